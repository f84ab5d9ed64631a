#include "Main/ClockSizeRules.h"

#include <cstdint>

namespace vantrel {

Extent InitialClockSize(Extent label) { return {label.width + 10, label.height + 1}; }

Extent ClockSizeAfterFontChange(Extent window, Extent label) {
  Extent grown = window;
  if (label.height > window.height) grown.height = label.height + 5;
  if (label.width > window.width) grown.width = label.width + 5;
  return grown;
}

std::optional<int> MidnightClockWidth(const LocalDateTime& now, int labelWidth) {
  if (now.hour == 0 && now.minute == 0 && (now.second == 0 || now.second == 1)) {
    return labelWidth + 10;
  }
  return std::nullopt;
}

int CharacterHeightForPoints(int points, int pixelsPerInch) {
  const std::int64_t product = static_cast<std::int64_t>(points) * pixelsPerInch;
  const std::int64_t half = product >= 0 ? 36 : -36;
  return static_cast<int>((product + half) / 72);
}

}  // namespace vantrel
