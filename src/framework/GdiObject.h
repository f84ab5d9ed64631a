#pragma once

#include <windows.h>

#include "framework/OwnedHandle.h"

namespace vantrel {

// Owns one GDI object (font, brush, bitmap, pen, region) and deletes it.
template <typename Handle>
using GdiObject = OwnedHandle<Handle, &DeleteObject, LiveResource::GdiObject>;

}  // namespace vantrel
