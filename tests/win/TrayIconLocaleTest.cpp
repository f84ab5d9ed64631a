#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "ClockFixture.h"
#include "framework/Label.h"
#include "framework/TrayIcon.h"

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

using TrayIconLocaleTest = ClockFixture;

TEST_F(TrayIconLocaleTest, TheClockReadsTheSeparatorsAgainWhenTheSystemAnnouncesAChange) {
  RegionalSetting date(LOCALE_SDATE);
  RegionalSetting time(LOCALE_STIME);
  ASSERT_TRUE(date.Set("/"));
  ASSERT_TRUE(time.Set(":"));
  TMainFrm& clock = Clock();
  // The time and the date text, as a tick and a hover over the icon write them.
  const auto texts = [&clock] {
    clock.UpdateTime();
    clock.TrayIconMouseMove();
    return clock.timeText->Caption() + " " + clock.TrayIcon->Hint();
  };
  EXPECT_EQ(texts(), "9:05:03 2026/12/11");

  ASSERT_TRUE(date.Set("."));
  ASSERT_TRUE(time.Set("-"));
  EXPECT_EQ(texts(), "9:05:03 2026/12/11") << "kept until the change is announced";
  RegionalSetting::AnnounceChange();
  EXPECT_EQ(texts(), "9-05-03 2026.12.11");

  // A date separator of more than one character is not used; the time text
  // takes the first byte of its own.
  ASSERT_TRUE(date.Set("--"));
  ASSERT_TRUE(time.Set(".:"));
  RegionalSetting::AnnounceChange();
  EXPECT_EQ(texts(), "9.05.03 2026/12/11");
}

}  // namespace
}  // namespace vantrel
