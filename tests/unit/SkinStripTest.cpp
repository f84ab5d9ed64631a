#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "framework/Exception.h"
#include "framework/SkinStrip.h"

namespace vantrel {
namespace {

using Look = SkinStrip::Look;

constexpr Look kLooks[] = {Look::Normal, Look::Hover, Look::Pressed, Look::Disabled};
constexpr const char* kSkinNames[] = {"cyan", "red", "white", "blue"};

int Alpha(std::uint32_t pixel) { return static_cast<int>(pixel >> 24); }
int Red(std::uint32_t pixel) { return static_cast<int>(pixel >> 16 & 0xFF); }
int Green(std::uint32_t pixel) { return static_cast<int>(pixel >> 8 & 0xFF); }
int Blue(std::uint32_t pixel) { return static_cast<int>(pixel & 0xFF); }
int Brightness(std::uint32_t pixel) { return Red(pixel) + Green(pixel) + Blue(pixel); }

// The summed brightness of one whole image of the strip.
long ImageBrightness(const SkinStrip& strip, Look look) {
  long sum = 0;
  for (int y = 0; y < SkinStrip::kImageHeight; ++y) {
    for (int x = 0; x < SkinStrip::kImageWidth; ++x) sum += Brightness(strip.At(look, x, y));
  }
  return sum;
}

class SkinStripTest : public testing::TestWithParam<std::size_t> {
 protected:
  const SkinStrip strip_{SkinStrip::kSkins[GetParam()]};
};

INSTANTIATE_TEST_SUITE_P(EverySkin, SkinStripTest, testing::Range<std::size_t>(0, 4),
                         [](const testing::TestParamInfo<std::size_t>& info) {
                           return std::string(kSkinNames[info.param]);
                         });

TEST_P(SkinStripTest, RoundedEndsAreClearAndTheBarIsOpaque) {
  constexpr int kRight = SkinStrip::kImageWidth - 1;
  constexpr int kBottom = SkinStrip::kImageHeight - 1;
  for (const Look look : kLooks) {
    for (const auto& [x, y] : {std::pair{0, 0},
                               {kRight, 0},
                               {0, kBottom},
                               {kRight, kBottom},
                               {2, 2},
                               {kRight - 2, kBottom - 2}}) {
      EXPECT_EQ(strip_.At(look, x, y), 0u) << x << "," << y;
    }
    // The same rows away from the ends, and the middle.
    for (const auto& [x, y] : {std::pair{36, 2}, {36, kBottom - 2}, {2, 12}, {36, 12}}) {
      EXPECT_EQ(Alpha(strip_.At(look, x, y)), 255) << x << "," << y;
    }
    // The edge blends: partly covered.
    const int edge = Alpha(strip_.At(look, 0, 12));
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, 255);
  }
}

TEST_P(SkinStripTest, ColoursArePremultipliedAndTheImagesMirrored) {
  for (const Look look : kLooks) {
    for (int y = 0; y < SkinStrip::kImageHeight; ++y) {
      for (int x = 0; x < SkinStrip::kImageWidth; ++x) {
        const std::uint32_t pixel = strip_.At(look, x, y);
        ASSERT_LE(std::max({Red(pixel), Green(pixel), Blue(pixel)}), Alpha(pixel)) << x << "," << y;
        ASSERT_EQ(pixel, strip_.At(look, SkinStrip::kImageWidth - 1 - x, y)) << x << "," << y;
      }
    }
  }
}

TEST_P(SkinStripTest, OutlineIsDarkerThanTheInside) {
  for (const Look look : kLooks) {
    const std::uint32_t inside = strip_.At(look, 36, 12);
    EXPECT_LT(Brightness(strip_.At(look, 1, 12)), Brightness(inside));
    EXPECT_LT(Brightness(strip_.At(look, 70, 12)), Brightness(inside));
    // The top row lies under the gloss, which fades downwards.
    EXPECT_LT(Brightness(strip_.At(look, 36, 1)), Brightness(strip_.At(look, 36, 3)));
  }
}

TEST_P(SkinStripTest, HoverIsLighterAndPressedDarkerThanNormal) {
  const long normal = ImageBrightness(strip_, Look::Normal);
  EXPECT_GT(ImageBrightness(strip_, Look::Hover), normal);
  EXPECT_LT(ImageBrightness(strip_, Look::Pressed), normal);
}

TEST_P(SkinStripTest, DisabledIsGrey) {
  for (int y = 0; y < SkinStrip::kImageHeight; ++y) {
    for (int x = 0; x < SkinStrip::kImageWidth; ++x) {
      const std::uint32_t pixel = strip_.At(Look::Disabled, x, y);
      ASSERT_EQ(Red(pixel), Green(pixel)) << x << "," << y;
      ASSERT_EQ(Green(pixel), Blue(pixel)) << x << "," << y;
    }
  }
}

// The skins follow the skin numbers of the button styles.
TEST(SkinStrip, SkinsAreInTheOrderOfTheStyleNumbers) {
  const auto middle = [](std::size_t skin) {
    return SkinStrip(SkinStrip::kSkins[skin]).At(Look::Normal, 36, 12);
  };
  const std::uint32_t cyan = middle(0), red = middle(1), white = middle(2), blue = middle(3);
  EXPECT_LT(Red(cyan), Green(cyan));
  EXPECT_LT(Red(cyan), Blue(cyan));
  EXPECT_GT(Red(red), Green(red));
  EXPECT_GT(Red(red), Blue(red));
  EXPECT_GT(std::min({Red(white), Green(white), Blue(white)}), 200);
  EXPECT_GT(Blue(blue), Red(blue));
  EXPECT_GT(Blue(blue), Green(blue));
}

// FNV-1a over the bytes B, G, R, A of every pixel, top row first.
std::uint64_t Digest(const SkinStrip& strip) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  for (const std::uint32_t pixel : strip.Pixels()) {
    for (int shift = 0; shift < 32; shift += 8) {
      hash = (hash ^ (pixel >> shift & 0xFF)) * 0x100000001b3u;
    }
  }
  return hash;
}

// Digests of the bitmaps the buttons showed before the strips were drawn at
// run time; many of their pixels depend on halves rounding to even.
TEST(SkinStrip, KeepsThePixelsOfTheFormerBitmaps) {
  constexpr std::uint64_t kFormerDigests[] = {0xe8dde2499baf3509u, 0x96ba4a449c99e825u,
                                              0x02cd7cd8f627b3c1u, 0x40f0dca1e1c0a551u};
  for (std::size_t skin = 0; skin < SkinStrip::kSkins.size(); ++skin) {
    EXPECT_EQ(Digest(SkinStrip(SkinStrip::kSkins[skin])), kFormerDigests[skin]) << kSkinNames[skin];
  }
}

TEST(SkinStrip, RefusesPixelsOutsideTheImages) {
  const SkinStrip strip(SkinStrip::kSkins[0]);
  EXPECT_THROW(strip.At(Look::Normal, SkinStrip::kImageWidth, 0), Exception);
  EXPECT_THROW(strip.At(Look::Normal, 0, SkinStrip::kImageHeight), Exception);
  EXPECT_THROW(strip.At(Look::Disabled, -1, 0), Exception);
  EXPECT_THROW(strip.At(static_cast<Look>(SkinStrip::kLookCount), 0, 0), Exception);
}

}  // namespace
}  // namespace vantrel
