#include "framework/ShiftJis.h"

namespace vantrel {

std::size_t LastCharacterStart(std::string_view text) {
  std::size_t last = text.size();
  for (std::size_t i = 0; i < text.size();) {
    last = i;
    const bool pair =
        IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    i += pair ? 2 : 1;
  }
  return last;
}

}  // namespace vantrel
