#pragma once

#include <array>
#include <span>
#include <vector>

namespace vantrel {

// The sizes offered for every scalable face, in points.
inline constexpr std::array<int, 16> kScalableFontSizes{8,  9,  10, 11, 12, 14, 16, 18,
                                                        20, 22, 24, 26, 28, 36, 48, 72};

// One size of a raster face as the platform reports it, in device pixels.
struct RasterCell {
  int height = 0;
  int internalLeading = 0;
};

// (height - internal leading) * 72 / pixels per inch, rounded to the nearest
// integer with halves going to the even neighbour. The resolution is positive.
int RasterPointSize(RasterCell cell, int verticalPixelsPerInch);

// The point sizes of a raster face: each once, ascending.
std::vector<int> RasterPointSizes(std::span<const RasterCell> cells, int verticalPixelsPerInch);

}  // namespace vantrel
