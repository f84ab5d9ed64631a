#pragma once

#include <cstddef>
#include <string_view>

namespace vantrel {

// Lead bytes of a double-byte character in code page 932.
constexpr bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Start of the last character of `text` (a double-byte character counts as
// one); text.size() when the text is empty.
std::size_t LastCharacterStart(std::string_view text);

}  // namespace vantrel
