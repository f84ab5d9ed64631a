#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Pref/FontSizeList.h"
#include "Pref/FontSizeText.h"
#include "config/EConvertError.h"

namespace vantrel {
namespace {

TEST(FontSizeList, OffersSixteenSizesForScalableFaces) {
  const std::vector<int> sizes(kScalableFontSizes.begin(), kScalableFontSizes.end());
  EXPECT_EQ(sizes,
            (std::vector<int>{8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72}));
}

TEST(FontSizeList, ConvertsRasterCellsToPointsHalvesToEven) {
  struct Case {
    RasterCell cell;
    int ppi;
    int points;
  };
  const Case cases[] = {
      {{16, 3}, 96, 10},                   // 9.75
      {{13, 0}, 96, 10},                   // 9.75 without leading
      {{12, 0}, 96, 9},  {{2, 0}, 96, 2},  // 1.5 -> 2
      {{6, 0}, 96, 4},                     // 4.5 -> 4
      {{10, 0}, 96, 8},                    // 7.5 -> 8
      {{16, 2}, 96, 10},                   // 10.5 -> 10
      {{17, 1}, 96, 12}, {{25, 5}, 120, 12}, {{1, 1}, 96, 0}, {{13, 0}, 72, 13},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RasterPointSize(c.cell, c.ppi), c.points)
        << c.cell.height << "-" << c.cell.internalLeading << "@" << c.ppi;
  }
}

TEST(FontSizeList, ListsRasterSizesOnceAscending) {
  // 13 px and 16-3 px are both 10 points at 96 dpi; the platform reports sizes in any order.
  const RasterCell cells[] = {{24, 3}, {13, 0}, {8, 0}, {16, 3}, {12, 0}, {6, 0}};
  EXPECT_EQ(RasterPointSizes(cells, 96), (std::vector<int>{4, 6, 9, 10, 16}));
  EXPECT_TRUE(RasterPointSizes({}, 96).empty());
}

TEST(FontSizeText, ReselectsTheShownSizeOrTen) {
  const std::pair<const char*, int> cases[] = {
      {"12", 12}, {"1", 1},    {"999", 999}, {"", 10},    {"0", 10},   {"1000", 10},
      {"-5", 10}, {"abc", 10}, {"12a", 10},  {" 14", 14}, {"14 ", 10}, {"99999999999", 10},
  };
  for (const auto& [text, size] : cases) EXPECT_EQ(SizeToReselect(text), size) << text;
}

TEST(FontSizeText, AcceptsOnlyDigitsAndControlKeysWhileAFaceIsSelected) {
  for (const unsigned char key :
       {'0', '5', '9', '\b', '\x03', '\x16', '\x18', '\x1A', '\r', '\x7F'}) {
    EXPECT_TRUE(AcceptsSizeKey(key, true)) << int(key);
    EXPECT_FALSE(AcceptsSizeKey(key, false)) << int(key);
  }
  for (const unsigned char key : {'a', 'Z', '-', '+', ' ', '.', '$', '/', ':', '\x82', '\xA0'}) {
    EXPECT_FALSE(AcceptsSizeKey(key, true)) << int(key);
  }
}

TEST(FontSizeText, ReplacesUnusableSizesWhenTheFocusLeaves) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"", 10},
      {"0", 10},
      {"1000", 10},
      {"-3", 10},
      {"1", std::nullopt},
      {"999", std::nullopt},
      {"012", std::nullopt},
  };
  for (const auto& [text, replacement] : cases) {
    EXPECT_EQ(SizeReplacementOnLeave(text), replacement) << text;
  }
}

TEST(FontSizeText, LeavesANonIntegerInPlaceAndReportsIt) {
  for (const std::string text : {"abc", "99999999999", "1.5", "12 "}) {
    try {
      SizeReplacementOnLeave(text);
      ADD_FAILURE() << text << " accepted";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.Message(), "'" + text + "' は整数ではありません");
    }
  }
}

TEST(FontSizeText, ReadsTheSelectedSizeFromTheText) {
  const std::pair<const char*, int> cases[] = {
      {"12", 12}, {"0", 0}, {"1000", 1000}, {"", -1}, {"abc", -1}, {"1.5", -1}, {"$10", 16},
  };
  for (const auto& [text, size] : cases) EXPECT_EQ(SelectedSizeFromText(text), size) << text;
}

}  // namespace
}  // namespace vantrel
