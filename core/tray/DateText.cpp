#include "tray/DateText.h"

#include "framework/DecimalText.h"
#include "framework/ShiftJis.h"

namespace vantrel {

std::string DateSeparatorFromSetting(std::optional<std::string_view> setting) {
  if (setting) {
    const bool singleByte =
        setting->size() == 1 && !IsShiftJisLeadByte(static_cast<unsigned char>((*setting)[0]));
    const bool doubleByte =
        setting->size() == 2 && IsShiftJisLeadByte(static_cast<unsigned char>((*setting)[0]));
    if (singleByte || doubleByte) return std::string(*setting);
  }
  return "/";
}

std::string FormatDateText(const LocalDateTime& now, std::string_view separator) {
  const std::string between(separator);
  return DecimalText(now.year, 4) + between + DecimalText(now.month) + between +
         DecimalText(now.day);
}

}  // namespace vantrel
