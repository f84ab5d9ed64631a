#include "Pref/FontSizeList.h"

#include <algorithm>
#include <cstdint>

namespace vantrel {
namespace {

// `denominator` is positive.
std::int64_t RoundHalfToEven(std::int64_t numerator, std::int64_t denominator) {
  std::int64_t quotient = numerator / denominator;
  if (numerator % denominator < 0) --quotient;  // floor, not truncation
  const std::int64_t twiceRemainder = 2 * (numerator - quotient * denominator);
  if (twiceRemainder > denominator) return quotient + 1;
  if (twiceRemainder == denominator && quotient % 2 != 0) return quotient + 1;
  return quotient;
}

}  // namespace

int RasterPointSize(RasterCell cell, int verticalPixelsPerInch) {
  const std::int64_t pixels = static_cast<std::int64_t>(cell.height) - cell.internalLeading;
  return static_cast<int>(RoundHalfToEven(pixels * 72, verticalPixelsPerInch));
}

std::vector<int> RasterPointSizes(std::span<const RasterCell> cells, int verticalPixelsPerInch) {
  std::vector<int> sizes;
  sizes.reserve(cells.size());
  for (const RasterCell& cell : cells)
    sizes.push_back(RasterPointSize(cell, verticalPixelsPerInch));
  std::sort(sizes.begin(), sizes.end());
  sizes.erase(std::unique(sizes.begin(), sizes.end()), sizes.end());
  return sizes;
}

}  // namespace vantrel
