#pragma once

#include <windows.h>

#include "framework/OwnedHandle.h"

namespace vantrel {

// Owns a search of a folder's listing and ends it.
using OwnedFileSearch = OwnedHandle<HANDLE, &FindClose, LiveResource::File>;

}  // namespace vantrel
