#pragma once

#include <string>

namespace vantrel {

// The full path of the running executable.
std::string ModulePath();

}  // namespace vantrel
