#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/LocalDateTime.h"

namespace vantrel {

// The separator put in place of "/" from the regional date setting: the
// setting itself when it is exactly one character (a double-byte character
// counts as one), "/" when it is longer, empty or cannot be read.
std::string DateSeparatorFromSetting(std::optional<std::string_view> setting);

// The date as "yyyy/m/d": four-digit year, month and day without leading
// zeros, each "/" replaced by the separator.
std::string FormatDateText(const LocalDateTime& now, std::string_view separator);

}  // namespace vantrel
