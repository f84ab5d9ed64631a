#pragma once

#include <string>
#include <string_view>

namespace vantrel {

inline constexpr std::string_view kSettingsFileName = "zuvirozo.ini";

// The settings file beside the executable at `modulePath`: the folder part of
// the path (double-byte aware; a drive root keeps its backslash), "\" and the
// file name.
std::string SettingsPathForModule(std::string_view modulePath);

}  // namespace vantrel
