#include <gtest/gtest.h>

#include <string>

#include "config/ColorName.h"
#include "config/EConvertError.h"

namespace vantrel {
namespace {

struct Row {
  const char* name;
  TColor value;
};

// Every row of the table, in its order.
constexpr Row kExpected[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", SystemColor(10)},
    {"clActiveCaption", SystemColor(2)},
    {"clAppWorkSpace", SystemColor(12)},
    {"clBackground", SystemColor(1)},
    {"clBtnFace", SystemColor(15)},
    {"clBtnHighlight", SystemColor(20)},
    {"clBtnShadow", SystemColor(16)},
    {"clBtnText", SystemColor(18)},
    {"clCaptionText", SystemColor(9)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", SystemColor(27)},
    {"clGradientInactiveCaption", SystemColor(28)},
    {"clGrayText", SystemColor(17)},
    {"clHighlight", SystemColor(13)},
    {"clHighlightText", SystemColor(14)},
    {"clHotLight", SystemColor(26)},
    {"clInactiveBorder", SystemColor(11)},
    {"clInactiveCaption", SystemColor(3)},
    {"clInactiveCaptionText", SystemColor(19)},
    {"clInfoBk", SystemColor(24)},
    {"clInfoText", SystemColor(23)},
    {"clMenu", SystemColor(4)},
    {"clMenuBar", SystemColor(30)},
    {"clMenuHighlight", SystemColor(29)},
    {"clMenuText", SystemColor(7)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", SystemColor(0)},
    {"cl3DDkShadow", SystemColor(21)},
    {"cl3DLight", SystemColor(22)},
    {"clWindow", SystemColor(5)},
    {"clWindowFrame", SystemColor(6)},
    {"clWindowText", SystemColor(8)},
};

TEST(ColorName, TableHoldsEveryRowInOrder) {
  const auto table = ColorNameTable();
  ASSERT_EQ(table.size(), std::size(kExpected));
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i].name, kExpected[i].name) << "row " << i + 1;
    EXPECT_EQ(table[i].value, kExpected[i].value) << kExpected[i].name;
    EXPECT_EQ(ColorFromName(kExpected[i].name), kExpected[i].value) << kExpected[i].name;
  }
}

TEST(ColorName, AcceptsAnyCaseAndIntegerTexts) {
  const std::pair<const char*, TColor> cases[] = {
      {"clwhite", 0xFFFFFF},          {"CLWHITE", 0xFFFFFF},
      {"16777215", 0xFFFFFF},         {"$FFFFFF", 0xFFFFFF},
      {"$0000FF", 0x0000FF},          {"CLRED", 0x0000FF},
      {"clbtnface", SystemColor(15)}, {"-1", -1},
  };
  for (const auto& [name, value] : cases) EXPECT_EQ(ColorFromName(name), value) << name;
}

TEST(ColorName, RejectsOtherWordsWithTheQuotedName) {
  for (const char* name : {"White", "", "cl White", "clWhite ", "red"}) {
    EXPECT_FALSE(IsColorName(name)) << name;
    try {
      ColorFromName(name);
      FAIL() << "accepted " << name;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(name) + "' は整数ではありません");
    }
  }
}

}  // namespace
}  // namespace vantrel
