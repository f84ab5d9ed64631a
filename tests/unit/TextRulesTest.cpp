#include <gtest/gtest.h>

#include "config/SettingsPath.h"
#include "framework/AsciiCase.h"
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

TEST(AsciiCase, FoldsOnlyLettersOutsideDoubleByteCharacters) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Terminal", "TERMINAL"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("Terminal", "Terminal "));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("ＭＳ ゴシック", "ＭＳ ゴシック"));
  // "ア" (0x83 0x41) and "ヂ" (0x83 0x61) differ only in a trail byte that looks like a letter.
  EXPECT_FALSE(EqualsIgnoringAsciiCase("ア", "ヂ"));
}

}  // namespace
}  // namespace vantrel
