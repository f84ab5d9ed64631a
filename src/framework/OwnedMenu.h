#pragma once

#include <windows.h>

#include "framework/OwnedHandle.h"

namespace vantrel {

// Owns a menu and destroys it.
using OwnedMenu = OwnedHandle<HMENU, &DestroyMenu, LiveResource::Menu>;

}  // namespace vantrel
