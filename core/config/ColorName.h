#pragma once

#include <span>
#include <string_view>

#include "config/Color.h"

namespace vantrel {

struct ColorName {
  std::string_view name;
  TColor value;
};

// The 52 colour names in their fixed order; the first sixteen are the ones the
// Preferences dialog offers.
std::span<const ColorName> ColorNameTable();

// A colour name from the table (letters A-Z in any case) or an integer text.
// Throws EConvertError for anything else.
TColor ColorFromName(std::string_view name);

// True when ColorFromName accepts `name`.
bool IsColorName(std::string_view name);

}  // namespace vantrel
