#include "tray/TrayTooltip.h"

#include "framework/ShiftJis.h"

namespace vantrel {

std::string TrayTooltipFromHint(std::string_view hint) {
  std::size_t end = 0;
  while (end < hint.size() && hint[end] != '|') {
    const bool pair =
        IsShiftJisLeadByte(static_cast<unsigned char>(hint[end])) && end + 1 < hint.size();
    const std::size_t next = end + (pair ? 2 : 1);
    if (next > kTrayTooltipLimit) break;
    end = next;
  }
  return std::string(hint.substr(0, end));
}

}  // namespace vantrel
