#include "framework/LocaleSettings.h"

#include <optional>

#include "Main/TimeText.h"
#include "tray/DateText.h"

namespace vantrel {
namespace {

std::optional<std::string> UserLocaleValue(LCTYPE item) {
  char value[16] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, item, value, sizeof value) == 0) return std::nullopt;
  return std::string(value);
}

}  // namespace

LocaleSettings::LocaleSettings()
    // Top-level, not message-only: WM_SETTINGCHANGE is broadcast.
    : window_(
          [this](UINT message, WPARAM, LPARAM, LRESULT&) {
            if (message == WM_SETTINGCHANGE) Read();
            return false;
          },
          false) {
  Read();
}

void LocaleSettings::Read() {
  dateSeparator_ = DateSeparatorFromSetting(UserLocaleValue(LOCALE_SDATE));
  timeSeparator_ = TimeSeparatorFromSetting(UserLocaleValue(LOCALE_STIME));
}

}  // namespace vantrel
