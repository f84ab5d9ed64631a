#include "framework/LocaleSettings.h"

#include <windows.h>

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

LocaleSettings::LocaleSettings() { Refresh(); }

void LocaleSettings::Refresh() {
  dateSeparator_ = DateSeparatorFromSetting(UserLocaleValue(LOCALE_SDATE));
  timeSeparator_ = TimeSeparatorFromSetting(UserLocaleValue(LOCALE_STIME));
}

}  // namespace vantrel
