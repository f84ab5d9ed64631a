#include "Pref/ColorChoices.h"

namespace vantrel {
namespace {

constexpr std::size_t kOfferedColorCount = 16;
constexpr std::size_t kPrefixLength = 2;

}  // namespace

std::span<const ColorName> OfferedColors() { return ColorNameTable().first(kOfferedColorCount); }

std::string_view ColorCaption(std::string_view name) {
  return name.size() > kPrefixLength ? name.substr(kPrefixLength) : std::string_view{};
}

}  // namespace vantrel
