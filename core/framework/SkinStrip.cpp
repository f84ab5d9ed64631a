#include "framework/SkinStrip.h"

#include <algorithm>
#include <cstddef>

#include "framework/Exception.h"

namespace vantrel {
namespace {

using Rgb = SkinStrip::Rgb;
using Look = SkinStrip::Look;

constexpr int kWidth = SkinStrip::kImageWidth;
constexpr int kBarHeight = SkinStrip::kImageHeight;
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kDisabledGrey{214, 214, 214};

// Coverage of a pixel by the bar, in sixteenths: 4 x 4 sample points each.
constexpr int kSamplesPerSide = 4;
constexpr int kFullCoverage = kSamplesPerSide * kSamplesPerSide;

// numerator / denominator to the nearest whole number, a half to the even
// neighbour: the skins' colours were tuned with that rounding.
int RoundHalfEven(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  const int twiceRemainder = 2 * (numerator % denominator);
  if (twiceRemainder > denominator) return quotient + 1;
  if (twiceRemainder < denominator) return quotient;
  return quotient + quotient % 2;
}

// The colour numerator / denominator of the way from `from` to `to`.
Rgb Mix(const Rgb& from, const Rgb& to, int numerator, int denominator) {
  const auto channel = [&](int start, int end) {
    return RoundHalfEven(start * denominator + (end - start) * numerator, denominator);
  };
  return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

Rgb Grey(const Rgb& colour) {
  const int level = (colour.red + colour.green + colour.blue) / 3;
  return {level, level, level};
}

// How many sample points of pixel (x, y) lie inside the bar: two half circles
// of radius 11.5 joined by a band. Measured in eighths of a pixel, where the
// sample points sit at odd positions, so the test is exact.
int BarCoverage(int x, int y) {
  constexpr int kEighths = 8;
  constexpr int kRadius = kBarHeight * kEighths / 2 - kEighths / 2;
  constexpr int kCentreY = kBarHeight * kEighths / 2;
  constexpr int kLeftCentreX = kRadius + kEighths / 2;
  constexpr int kRightCentreX = kWidth * kEighths - kLeftCentreX;
  constexpr int kStep = kEighths / kSamplesPerSide;
  int inside = 0;
  for (int sampleY = 0; sampleY < kSamplesPerSide; ++sampleY) {
    for (int sampleX = 0; sampleX < kSamplesPerSide; ++sampleX) {
      const int pointX = x * kEighths + sampleX * kStep + kStep / 2;
      const int pointY = y * kEighths + sampleY * kStep + kStep / 2;
      const int dx = pointX - std::clamp(pointX, kLeftCentreX, kRightCentreX);
      const int dy = pointY - kCentreY;
      if (dx * dx + dy * dy <= kRadius * kRadius) ++inside;
    }
  }
  return inside;
}

SkinStrip::Colors LookColors(const SkinStrip::Colors& normal, Look look) {
  switch (look) {
    case Look::Hover:
      return {Mix(normal.top, kWhite, 2, 5), Mix(normal.bottom, kWhite, 1, 4)};
    case Look::Pressed:
      return {Mix(normal.bottom, kBlack, 3, 20), Mix(normal.top, normal.bottom, 1, 2)};
    case Look::Disabled:
      return {Mix(Grey(normal.top), kDisabledGrey, 1, 2),
              Mix(Grey(normal.bottom), kDisabledGrey, 1, 2)};
    case Look::Normal:
      break;
  }
  return normal;
}

// The bar's colour on row y: the gradient, a gloss that fades from 35% white
// at the top row to nothing at the middle, and an outline where a neighbour
// is not wholly inside the bar (`innerCoverage`, the least of the four).
Rgb BarColour(const SkinStrip::Colors& colors, int y, int innerCoverage) {
  constexpr int kMiddle = kBarHeight / 2;
  Rgb colour = Mix(colors.top, colors.bottom, y, kBarHeight - 1);
  if (y < kMiddle) colour = Mix(colour, kWhite, 35 * (kMiddle - y), 100 * kMiddle);
  if (innerCoverage < kFullCoverage) {
    const Rgb outline = Mix(colors.bottom, kBlack, 9, 20);
    colour = Mix(colour, outline, 2 * kFullCoverage - innerCoverage, 2 * kFullCoverage);
  }
  return colour;
}

std::uint32_t PremultipliedPixel(const Rgb& colour, int coverage) {
  const auto scaled = [coverage](int channel) {
    return static_cast<std::uint32_t>(RoundHalfEven(channel * coverage, kFullCoverage));
  };
  return scaled(255) << 24 | scaled(colour.red) << 16 | scaled(colour.green) << 8 |
         scaled(colour.blue);
}

}  // namespace

SkinStrip::SkinStrip(const Colors& colors)
    : pixels_(static_cast<std::size_t>(kImageWidth) * kHeight) {
  std::array<Colors, kLookCount> lookColors{};
  for (int look = 0; look < kLookCount; ++look) {
    lookColors[static_cast<std::size_t>(look)] = LookColors(colors, static_cast<Look>(look));
  }
  for (int y = 0; y < kImageHeight; ++y) {
    for (int x = 0; x < kImageWidth; ++x) {
      const int coverage = BarCoverage(x, y);
      const int inner = std::min({BarCoverage(x - 1, y), BarCoverage(x + 1, y),
                                  BarCoverage(x, y - 1), BarCoverage(x, y + 1)});
      for (int look = 0; look < kLookCount; ++look) {
        const Rgb colour = BarColour(lookColors[static_cast<std::size_t>(look)], y, inner);
        pixels_[static_cast<std::size_t>((look * kImageHeight + y) * kImageWidth + x)] =
            PremultipliedPixel(colour, coverage);
      }
    }
  }
}

std::uint32_t SkinStrip::At(Look look, int x, int y) const {
  const int image = static_cast<int>(look);
  if (image < 0 || image >= kLookCount || x < 0 || x >= kImageWidth || y < 0 || y >= kImageHeight) {
    throw Exception("No such pixel in the skin strip");
  }
  return pixels_[static_cast<std::size_t>((image * kImageHeight + y) * kImageWidth + x)];
}

}  // namespace vantrel
