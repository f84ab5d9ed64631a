#include <gtest/gtest.h>

#include <climits>

#include "config/SettingsPath.h"
#include "framework/AsciiCase.h"
#include "framework/DecimalText.h"
#include "framework/ErrorText.h"

namespace vantrel {
namespace {

TEST(ErrorDisplayText, AppendsAPeriodAfterCharactersAboveIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"abc", "abc."},
      {"ends.", "ends."},
      {"ends!", "ends!"},   // '!' sorts below '.'
      {"ends-", "ends-"},   // '-' too
      {"ends/", "ends/."},  // '/' sorts above
      {"'White' は整数ではありません", "'White' は整数ではありません."},
      {"ア", "ア."},  // a double-byte character whose trail byte is 'A'
  };
  for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorDisplayText(message), shown) << message;
}

TEST(SettingsPath, CutsAfterTheLastSeparator) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Tools\\Vantrel.exe", "C:\\Tools\\zuvirozo.ini"},
      {"C:\\Vantrel.exe", "C:\\\\zuvirozo.ini"},  // a drive root keeps its backslash
      {"C:Vantrel.exe", "C:\\zuvirozo.ini"},
      {"\\\\server\\share\\Vantrel.exe", "\\\\server\\share\\zuvirozo.ini"},
      {"Vantrel.exe", "\\zuvirozo.ini"},
      // "表" is 0x95 0x5C: its trail byte is no separator.
      {"C:\\表\\Vantrel.exe", "C:\\表\\zuvirozo.ini"},
      {"C:\\ソフト\\表.exe", "C:\\ソフト\\zuvirozo.ini"},
  };
  for (const auto& [module, settings] : cases) {
    EXPECT_EQ(SettingsPathForModule(module), settings) << module;
  }
}

TEST(DecimalText, PadsDigitsAfterTheSign) {
  const struct {
    int value;
    int minimumDigits;
    const char* text;
  } cases[] = {
      {0, 1, "0"},
      {7, 2, "07"},
      {59, 2, "59"},
      {123, 2, "123"},
      {2026, 4, "2026"},
      {9, 4, "0009"},
      {-5, 3, "-005"},
      {-123, 2, "-123"},
      {12, 0, "12"},
      {INT_MAX, 1, "2147483647"},
      {INT_MIN, 12, "-002147483648"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecimalText(c.value, c.minimumDigits), c.text) << c.text;
}

TEST(AsciiCase, FoldsOnlyLettersOutsideDoubleByteCharacters) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Terminal", "TERMINAL"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("Terminal", "Terminal "));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("ＭＳ ゴシック", "ＭＳ ゴシック"));
  // "ア" (0x83 0x41) and "ヂ" (0x83 0x61) differ only in a trail byte that looks like a letter.
  EXPECT_FALSE(EqualsIgnoringAsciiCase("ア", "ヂ"));
}

}  // namespace
}  // namespace vantrel
