#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Pref/ColorChoices.h"
#include "Pref/DialogPlacement.h"
#include "Pref/FontFaceList.h"
#include "Pref/FontStyleBits.h"
#include "Pref/ItemMatch.h"
#include "framework/AsciiCase.h"

namespace vantrel {
namespace {

TEST(PreferencesPosition, OpensBelowTheClockAndStaysOnTheScreen) {
  struct Case {
    const char* name;
    WindowBounds clock;
    ScreenPosition expected;
  };
  // A 293 x 236 dialog on a 1280 x 800 screen.
  const Case cases[] = {
      {"below, right edges aligned", {500, 100, 120, 30}, {327, 130}},
      {"flush with the bottom", {500, 600, 120, 30}, {327, 564}},
      {"bottom exactly fits", {500, 534, 120, 30}, {327, 564}},
      {"flush with the right", {1200, 100, 400, 30}, {987, 130}},
      {"left would be negative", {10, 100, 120, 30}, {0, 130}},
      {"clock above the screen", {500, -200, 120, 30}, {327, 0}},
      {"bottom edge at zero", {500, -30, 120, 30}, {327, 0}},
      {"far beyond both edges", {5000, 5000, 120, 30}, {987, 564}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PreferencesPosition(c.clock, 293, 236, 1280, 800), c.expected) << c.name;
  }
}

TEST(FontStyleBits, ReadsEachBitOnItsOwnAndWritesOnlyTwo) {
  struct Case {
    int code;
    StyleChecks checks;
    int savedBack;
  };
  const Case cases[] = {
      {0, {false, false}, 0}, {1, {true, false}, 1}, {2, {false, true}, 2}, {3, {true, true}, 3},
      {4, {false, false}, 0}, {5, {true, false}, 1}, {6, {false, true}, 2}, {-1, {true, true}, 3},
  };
  for (const Case& c : cases) {
    const StyleChecks checks = StyleChecksFromCode(c.code);
    EXPECT_EQ(checks, c.checks) << c.code;
    EXPECT_EQ(StyleCodeFromChecks(checks), c.savedBack) << c.code;
  }
}

TEST(ColorChoices, OffersTheSixteenPlainColoursUnderTheirShortNames) {
  const auto colors = OfferedColors();
  ASSERT_EQ(colors.size(), 16u);
  EXPECT_EQ(colors.front().name, "clBlack");
  EXPECT_EQ(colors[9].name, "clRed");
  EXPECT_EQ(colors.back().name, "clWhite");
  for (const ColorName& color : colors) EXPECT_EQ(color.value & 0xFF000000, 0) << color.name;

  EXPECT_EQ(ColorCaption("clBlack"), "Black");
  EXPECT_EQ(ColorCaption("clFuchsia"), "Fuchsia");
  EXPECT_EQ(ColorCaption("cl"), "");
}

std::vector<std::string> OfferedColorTexts() {
  std::vector<std::string> texts;
  for (const ColorName& color : OfferedColors()) texts.emplace_back(color.name);
  return texts;
}

TEST(ItemMatch, SelectsTheStoredColourWhateverItsCase) {
  const auto items = OfferedColorTexts();
  struct Case {
    const char* stored;
    int index;  // 16: no item, nothing selected
  };
  const Case cases[] = {
      {"clRed", 9}, {"CLRED", 9},    {"clwhite", 15}, {"clBlack", 0},
      {"", 16},     {"clCream", 16}, {"$0000FF", 16}, {"clRed ", 16},
  };
  for (const Case& c : cases) {
    const auto found = FirstMatchingItem(items, c.stored, EqualsIgnoringAsciiCase);
    EXPECT_EQ(SelectionIndex(found, items.size()), c.index) << c.stored;
  }
}

TEST(ItemMatch, FindsASizeByItsNumber) {
  const std::vector<std::string> items{"8", "9", "10", "12", "10"};
  EXPECT_EQ(FirstSizeItem(items, 10), 2u);
  EXPECT_EQ(FirstSizeItem(items, 8), 0u);
  EXPECT_EQ(FirstSizeItem(items, 11), std::nullopt);
  EXPECT_EQ(FirstSizeItem({}, 10), std::nullopt);
}

TEST(ItemMatch, SelectsAFaceExactlyOrWithLettersFolded) {
  const std::vector<std::string> faces{"Arial", "Courier", "ＭＳ ゴシック", "Terminal"};
  struct Case {
    const char* name;
    std::optional<std::size_t> selected;
    FaceSelection expected;
  };
  const Case cases[] = {
      {"Arial", 0, {false, 0}},  // already selected: nothing happens
      {"", std::nullopt, {false, std::nullopt}},
      {"ARIAL", 0, {true, 0}},  // same face, other spelling: selected again
      {"terminal", std::nullopt, {true, 3}},
      {"ＭＳ ゴシック", 1, {true, 2}},
      {"Wingdings", 1, {true, std::nullopt}},
      {"", 1, {true, std::nullopt}},
      {"Arial ", 0, {true, std::nullopt}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FaceSelectionFor(faces, c.selected, c.name), c.expected) << c.name;
  }
}

bool LessIgnoringAsciiCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return fold(x) < fold(y);
  });
}

TEST(FontFaceList, ListsEachFaceOnceInListOrder) {
  using K = FontFaceKind;
  const std::vector<FontFace> reported{
      {"Terminal", K::kRaster}, {"arial", K::kTrueType},    {"Modern", K::kVector},
      {"Terminal", K::kRaster}, {"Courier", K::kRaster},    {"arial", K::kTrueType},
      {"Batang", K::kDevice},   {"Terminal", K::kTrueType},
  };
  const std::vector<FontFace> expected{
      {"arial", K::kTrueType}, {"Batang", K::kDevice},   {"Courier", K::kRaster},
      {"Modern", K::kVector},  {"Terminal", K::kRaster},
  };
  EXPECT_EQ(UniqueSortedFaces(reported, LessIgnoringAsciiCase), expected);
}

TEST(FontFaceList, ScalesAndMarksFacesByKind) {
  using K = FontFaceKind;
  EXPECT_FALSE(IsScalable(K::kRaster));
  EXPECT_TRUE(IsScalable(K::kVector));
  EXPECT_TRUE(IsScalable(K::kTrueType));
  EXPECT_TRUE(IsScalable(K::kDevice));
  EXPECT_FALSE(HasFaceGlyph(K::kRaster));
  EXPECT_FALSE(HasFaceGlyph(K::kVector));
  EXPECT_TRUE(HasFaceGlyph(K::kTrueType));
  EXPECT_TRUE(HasFaceGlyph(K::kDevice));
}

}  // namespace
}  // namespace vantrel
