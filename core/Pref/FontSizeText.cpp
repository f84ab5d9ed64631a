#include "Pref/FontSizeText.h"

#include "config/IntegerRule.h"

namespace vantrel {
namespace {

constexpr bool IsUsableSize(int size) { return size >= 1 && size <= 999; }

}  // namespace

int SizeToReselect(std::string_view shownText) {
  const auto size = TryParseInteger(shownText);
  return size && IsUsableSize(*size) ? *size : kFallbackFontSize;
}

bool AcceptsSizeKey(unsigned char character, bool faceSelected) {
  if (!faceSelected) return false;
  const bool control = character < 0x20 || character == 0x7F;
  return control || (character >= '0' && character <= '9');
}

std::optional<int> SizeReplacementOnLeave(std::string_view text) {
  if (text.empty()) return kFallbackFontSize;
  if (IsUsableSize(ParseInteger(text))) return std::nullopt;
  return kFallbackFontSize;
}

int SelectedSizeFromText(std::string_view text) { return TryParseInteger(text).value_or(-1); }

}  // namespace vantrel
