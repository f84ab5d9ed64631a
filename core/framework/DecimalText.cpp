#include "framework/DecimalText.h"

#include <charconv>

namespace vantrel {

std::string DecimalText(int value, int minimumDigits) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  std::string text(digits, end);
  const std::size_t signLength = value < 0 ? 1 : 0;
  const std::size_t digitCount = text.size() - signLength;
  if (minimumDigits > 0 && digitCount < static_cast<std::size_t>(minimumDigits)) {
    text.insert(signLength, static_cast<std::size_t>(minimumDigits) - digitCount, '0');
  }
  return text;
}

}  // namespace vantrel
