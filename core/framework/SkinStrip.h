#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vantrel {

// The image strip of a skinned push button: four images of a bar with rounded
// ends, stacked from the top in the order of Look. Each bar is a vertical
// gradient with a gloss on its upper half and a darker outline; the pixels
// carry premultiplied alpha so that the rounded ends blend with any
// background. The drawing uses whole numbers only, so every compiler and
// floating-point unit gives the same pixels.
class SkinStrip final {
 public:
  // One colour, each channel 0-255.
  struct Rgb {
    int red;
    int green;
    int blue;
  };
  // The bar's gradient in its normal look, from the top row to the bottom row.
  struct Colors {
    Rgb top;
    Rgb bottom;
  };
  enum class Look { Normal, Hover, Pressed, Disabled };

  static constexpr int kImageWidth = 72;
  static constexpr int kImageHeight = 24;
  static constexpr int kLookCount = 4;
  static constexpr int kHeight = kImageHeight * kLookCount;

  // The skins, indexed by the skin number in a button's style.
  static constexpr std::array<Colors, 4> kSkins{{
      {{178, 242, 255}, {0, 172, 214}},    // cyan
      {{255, 196, 190}, {222, 64, 52}},    // red
      {{255, 255, 255}, {206, 206, 210}},  // white
      {{190, 214, 255}, {66, 122, 230}},   // blue
  }};

  explicit SkinStrip(const Colors& colors);

  // kImageWidth x kHeight pixels as 0xAARRGGBB, row by row from the top: in
  // memory on a little-endian machine B, G, R, A, the layout of a 32-bit
  // top-down device-independent bitmap.
  std::span<const std::uint32_t> Pixels() const { return pixels_; }
  // The pixel at (x, y) of one image; Exception when there is none.
  std::uint32_t At(Look look, int x, int y) const;

 private:
  std::vector<std::uint32_t> pixels_;
};

}  // namespace vantrel
