#pragma once

#include <windows.h>

#include "config/Color.h"

namespace vantrel {

// The COLORREF that GDI draws for a colour value (system colours as the
// desktop currently shows them, clNone as the clock's key pixel).
COLORREF ColorRefFor(TColor color);

}  // namespace vantrel
