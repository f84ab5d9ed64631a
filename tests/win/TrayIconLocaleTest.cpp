#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/LocaleSettings.h"

namespace vantrel {
namespace {

// Changes one regional setting of the user for one scope, as the control
// panel would, and puts the old value back.
class RegionalSetting {
 public:
  explicit RegionalSetting(LCTYPE item) : item_(item) {
    char value[16] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item_, value, sizeof value);
    saved_ = value;
  }
  ~RegionalSetting() {
    SetLocaleInfoA(LOCALE_USER_DEFAULT, item_, saved_.c_str());
    AnnounceChange();
  }
  RegionalSetting(const RegionalSetting&) = delete;
  RegionalSetting& operator=(const RegionalSetting&) = delete;

  bool Set(const char* value) { return SetLocaleInfoA(LOCALE_USER_DEFAULT, item_, value) != 0; }

  static void AnnounceChange() {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"),
                        SMTO_ABORTIFHUNG, 2000, &ignored);
  }

 private:
  LCTYPE item_;
  std::string saved_;
};

TEST(LocaleSettings, ReadsTheSeparatorsAgainWhenTheSystemAnnouncesAChange) {
  RegionalSetting date(LOCALE_SDATE);
  RegionalSetting time(LOCALE_STIME);
  ASSERT_TRUE(date.Set("/"));
  ASSERT_TRUE(time.Set(":"));
  const LocaleSettings locale;
  EXPECT_EQ(locale.DateSeparator(), "/");
  EXPECT_EQ(locale.TimeSeparator(), ":");

  ASSERT_TRUE(date.Set("."));
  ASSERT_TRUE(time.Set("-"));
  EXPECT_EQ(locale.DateSeparator(), "/") << "kept until the change is announced";
  RegionalSetting::AnnounceChange();
  EXPECT_EQ(locale.DateSeparator(), ".");
  EXPECT_EQ(locale.TimeSeparator(), "-");

  // A date separator of more than one character is not used; the time text
  // takes the first byte of its own.
  ASSERT_TRUE(date.Set("--"));
  ASSERT_TRUE(time.Set(".:"));
  RegionalSetting::AnnounceChange();
  EXPECT_EQ(locale.DateSeparator(), "/");
  EXPECT_EQ(locale.TimeSeparator(), ".");
}

}  // namespace
}  // namespace vantrel
