#pragma once

#include <string>

namespace vantrel {

// Whether the file at the full `path` (in the ANSI code page) is a link, one
// to nothing included. Only the file's own name counts: folders on the way may
// be links. False when the system cannot tell.
bool IsLinkedFile(const std::string& path);

}  // namespace vantrel
