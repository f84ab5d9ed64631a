// The integer rule on any text: never crashes, and what it accepts as a
// decimal number reads back the same from its own decimal text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "config/IntegerRule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto value = vantrel::TryParseInteger(text);
  if (value && vantrel::TryParseInteger(std::to_string(*value)) != value) std::abort();
  return 0;
}
