#pragma once

#include <string>

namespace vantrel {

// `value` in decimal digits, zero-padded to at least `minimumDigits` after any
// minus sign. Kept apart from the printf family, which would bring a whole
// formatter into the program for a few numbers.
std::string DecimalText(int value, int minimumDigits = 1);

}  // namespace vantrel
