#include "tray/DateText.h"

#include <cstdio>

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
  char year[16];
  char month[16];
  char day[16];
  std::snprintf(year, sizeof year, "%04d", now.year);
  std::snprintf(month, sizeof month, "%d", now.month);
  std::snprintf(day, sizeof day, "%d", now.day);
  const std::string between(separator);
  return year + between + month + between + day;
}

}  // namespace vantrel
