#pragma once

#include <cstdint>
#include <functional>

#include "config/Color.h"

namespace vantrel {

// A colour as the drawing platform takes it: 0x00BBGGRR.
using Pixel = std::uint32_t;

// The pixel that stands for clNone. The clock fills its background with it and
// keys it out, so it must differ from every colour a user can choose for the
// digits; a near-black that is none of the named colours.
inline constexpr Pixel kNoneColorPixel = 0x00030201;

// Resolves a colour value to a pixel: plain colours as they are, a system
// colour through `systemColor(index)`, clNone to kNoneColorPixel and clDefault
// to black.
Pixel PixelForColor(TColor color, const std::function<Pixel(int)>& systemColor);

}  // namespace vantrel
