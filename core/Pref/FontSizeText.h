#pragma once

#include <optional>
#include <string_view>

namespace vantrel {

// The size box's fallback: what it shows instead of an empty text or a number
// outside 1..999.
inline constexpr int kFallbackFontSize = 10;

// The size the box selects again after its list was rebuilt for another face:
// the number its text showed, or the fallback.
int SizeToReselect(std::string_view shownText);

// Digits and control characters (backspace, the clipboard shortcuts) may be
// typed; nothing may while no face is selected.
bool AcceptsSizeKey(unsigned char character, bool faceSelected);

// What the text becomes when the focus leaves the box: the fallback for an
// empty text or a number outside 1..999, nothing for a usable number. A text
// that is not an integer at all stays; that throws EConvertError.
std::optional<int> SizeReplacementOnLeave(std::string_view text);

// The size the box stands for: its text as an integer, -1 when the text is
// empty or not an integer.
int SelectedSizeFromText(std::string_view text);

}  // namespace vantrel
