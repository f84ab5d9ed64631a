// The error box's period rule and the settings path cut on any bytes: the
// text is kept whole, with at most one "." added; the path ends in the file name.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/SettingsPath.h"
#include "framework/ErrorText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string shown = vantrel::ErrorDisplayText(text);
  if (shown != text && shown != std::string(text) + ".") std::abort();
  const std::string path = vantrel::SettingsPathForModule(text);
  if (!path.ends_with("\\zuvirozo.ini")) std::abort();
  return 0;
}
