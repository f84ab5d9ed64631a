#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "tray/DateText.h"

namespace vantrel {
namespace {

LocalDateTime On(int year, int month, int day) { return {year, month, day, 13, 45, 7}; }

TEST(DateText, FormatsYearMonthDayWithoutLeadingZeros) {
  struct Case {
    LocalDateTime date;
    const char* separator;
    const char* text;
  };
  const Case cases[] = {
      {On(2005, 8, 2), "/", "2005/8/2"},
      {On(2005, 12, 31), "/", "2005/12/31"},
      {On(2026, 1, 1), "/", "2026/1/1"},
      {On(2026, 10, 10), "/", "2026/10/10"},
      {On(987, 3, 4), "/", "0987/3/4"},
      {On(2005, 8, 2), ".", "2005.8.2"},
      {On(2005, 8, 2), "-", "2005-8-2"},
      {On(2005, 8, 2), "\x81\x5E",
       "2005\x81\x5E"
       "8\x81\x5E"
       "2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDateText(c.date, c.separator), c.text) << c.text;
  }
}

TEST(DateText, TakesTheSeparatorOnlyWhenTheSettingIsOneCharacter) {
  const std::pair<std::optional<std::string_view>, const char*> cases[] = {
      {"/", "/"},    {".", "."},
      {"-", "-"},    {"\x81\x5E", "\x81\x5E"},  // one double-byte character
      {"--", "/"},   {". ", "/"},
      {"", "/"},     {std::nullopt, "/"},  // the query failed
      {"\x81", "/"},                       // a lead byte without its second half is no character
  };
  for (const auto& [setting, separator] : cases) {
    EXPECT_EQ(DateSeparatorFromSetting(setting), separator) << setting.value_or("(failed)");
  }
}

}  // namespace
}  // namespace vantrel
