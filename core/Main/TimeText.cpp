#include "Main/TimeText.h"

#include <cstdio>

namespace vantrel {

std::string TimeSeparatorFromSetting(std::optional<std::string_view> setting) {
  if (!setting) return ":";
  return std::string(setting->substr(0, 1));
}

std::string FormatTimeText(int dispFormat, const LocalDateTime& now, std::string_view separator) {
  const bool twelveHour = dispFormat != 0;
  int hour = now.hour;
  if (twelveHour) {
    hour %= 12;
    if (hour == 0) hour = 12;
  }
  char digits[3][16];
  std::snprintf(digits[0], sizeof digits[0], "%d", hour);
  std::snprintf(digits[1], sizeof digits[1], "%02d", now.minute);
  std::snprintf(digits[2], sizeof digits[2], "%02d", now.second);
  std::string text = std::string(digits[0]) + std::string(separator) + digits[1] +
                     std::string(separator) + digits[2];
  if (twelveHour) text += now.hour < 12 ? " AM" : " PM";
  return text;
}

}  // namespace vantrel
