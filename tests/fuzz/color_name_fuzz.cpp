// Colour names on any text: ColorFromName accepts exactly what IsColorName
// says, and fails only with the conversion error.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "config/ColorName.h"
#include "config/EConvertError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  const bool accepted = vantrel::IsColorName(name);
  try {
    vantrel::ColorFromName(name);
    if (!accepted) std::abort();
  } catch (const vantrel::EConvertError&) {
    if (accepted) std::abort();
  }
  return 0;
}
