#pragma once

#include <windows.h>

#include "framework/OwnedHandle.h"

namespace vantrel {

// Owns an open file or folder and closes it.
using OwnedFile = OwnedHandle<HANDLE, &CloseHandle, LiveResource::File>;

}  // namespace vantrel
