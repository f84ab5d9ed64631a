#include "config/SettingsPath.h"

#include <optional>

#include "framework/ShiftJis.h"

namespace vantrel {
namespace {

constexpr bool IsSeparator(char c) { return c == '\\' || c == ':'; }

}  // namespace

std::string SettingsPathForModule(std::string_view modulePath) {
  std::optional<std::size_t> separator;    // the last "\" or ":" that is a character of its own
  bool separatorFollowsSeparator = false;  // the character before it is a single-byte "\" or ":"
  bool previousWasSeparator = false;
  for (std::size_t i = 0; i < modulePath.size(); ++i) {
    const char c = modulePath[i];
    if (IsShiftJisLeadByte(static_cast<unsigned char>(c)) && i + 1 < modulePath.size()) {
      ++i;
      previousWasSeparator = false;
      continue;
    }
    if (IsSeparator(c)) {
      separator = i;
      separatorFollowsSeparator = previousWasSeparator;
    }
    previousWasSeparator = IsSeparator(c);
  }
  std::string folder;
  if (separator) {
    const std::size_t at = *separator;
    // A backslash is dropped unless it starts the path or follows "\" or ":",
    // so that a drive root keeps it.
    const bool keep = modulePath[at] == ':' || at == 0 || separatorFollowsSeparator;
    folder = std::string(modulePath.substr(0, keep ? at + 1 : at));
  }
  return folder + "\\" + std::string(kSettingsFileName);
}

}  // namespace vantrel
