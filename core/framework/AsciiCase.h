#pragma once

#include <string_view>

namespace vantrel {

// Compares two texts with the letters A-Z folded; every other byte, double-byte
// characters included, must match exactly.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace vantrel
