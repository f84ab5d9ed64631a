#pragma once

#include <string>

namespace vantrel {

// The date and time separators of the user's regional settings, read once
// and again on Refresh. The owner calls it when the system announces a
// settings change (WM_SETTINGCHANGE), which every top-level window hears.
class LocaleSettings final {
 public:
  LocaleSettings();
  LocaleSettings(const LocaleSettings&) = delete;
  LocaleSettings& operator=(const LocaleSettings&) = delete;

  // What stands for "/" in a date text.
  const std::string& DateSeparator() const { return dateSeparator_; }
  // What stands for ":" in a time text.
  const std::string& TimeSeparator() const { return timeSeparator_; }

  void Refresh();

 private:
  std::string dateSeparator_;
  std::string timeSeparator_;
};

}  // namespace vantrel
