#include "Main/TimeText.h"

#include "framework/DecimalText.h"

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
  const std::string between(separator);
  std::string text = DecimalText(hour) + between + DecimalText(now.minute, 2) + between +
                     DecimalText(now.second, 2);
  if (twelveHour) text += now.hour < 12 ? " AM" : " PM";
  return text;
}

}  // namespace vantrel
