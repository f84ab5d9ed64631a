#include <gtest/gtest.h>

#include "config/ColorName.h"
#include "framework/ColorPixel.h"

namespace vantrel {
namespace {

Pixel FakeSystemColor(int index) { return 0x00A00000u + static_cast<Pixel>(index); }

TEST(ColorPixel, ResolvesEveryKindOfColourValue) {
  EXPECT_EQ(PixelForColor(clWhite, FakeSystemColor), 0xFFFFFFu);
  EXPECT_EQ(PixelForColor(0x0000FF, FakeSystemColor), 0x0000FFu);
  EXPECT_EQ(PixelForColor(SystemColor(15), FakeSystemColor), 0x00A0000Fu);
  EXPECT_EQ(PixelForColor(clNone, FakeSystemColor), kNoneColorPixel);
  EXPECT_EQ(PixelForColor(clDefault, FakeSystemColor), 0u);
}

TEST(ColorPixel, KeyPixelIsNoColourTheUserCanPick) {
  for (const ColorName& row : ColorNameTable().first(16)) {
    EXPECT_NE(PixelForColor(row.value, FakeSystemColor), kNoneColorPixel) << row.name;
  }
}

}  // namespace
}  // namespace vantrel
