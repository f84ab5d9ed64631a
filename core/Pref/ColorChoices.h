#pragma once

#include <span>
#include <string_view>

#include "config/ColorName.h"

namespace vantrel {

// The colours the colour box offers: the first sixteen rows of the colour-name
// table, from clBlack to clWhite.
std::span<const ColorName> OfferedColors();

// What the list shows for a colour name: the name without its "cl".
std::string_view ColorCaption(std::string_view name);

}  // namespace vantrel
