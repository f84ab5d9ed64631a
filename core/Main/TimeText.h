#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/LocalDateTime.h"

namespace vantrel {

// The separator put in place of ":" from the regional setting: its first byte,
// ":" when the setting cannot be read, nothing when it is empty.
std::string TimeSeparatorFromSetting(std::optional<std::string_view> setting);

// "h:mm:ss" when dispFormat is 0, otherwise "h:mm:ss AM/PM" on the 12-hour clock.
std::string FormatTimeText(int dispFormat, const LocalDateTime& now, std::string_view separator);

}  // namespace vantrel
