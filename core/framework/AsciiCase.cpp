#include "framework/AsciiCase.h"

#include "framework/ShiftJis.h"

namespace vantrel {
namespace {

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (IsShiftJisLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
      // The trail byte of a double-byte character is not a letter.
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
    } else if (FoldAscii(a[i]) != FoldAscii(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace vantrel
