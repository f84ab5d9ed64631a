#pragma once

#include <windows.h>

#include "framework/OwnedHandle.h"

namespace vantrel {

// Owns an icon and destroys it.
using OwnedIcon = OwnedHandle<HICON, &DestroyIcon, LiveResource::Icon>;

}  // namespace vantrel
