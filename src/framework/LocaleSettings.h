#pragma once

#include <string>

#include "framework/MessageWindow.h"

namespace vantrel {

// The date and time separators of the user's regional settings, read once
// and again whenever the system announces a settings change.
class LocaleSettings final {
 public:
  LocaleSettings();
  LocaleSettings(const LocaleSettings&) = delete;
  LocaleSettings& operator=(const LocaleSettings&) = delete;

  // What stands for "/" in a date text.
  const std::string& DateSeparator() const { return dateSeparator_; }
  // What stands for ":" in a time text.
  const std::string& TimeSeparator() const { return timeSeparator_; }

 private:
  void Read();

  std::string dateSeparator_;
  std::string timeSeparator_;
  MessageWindow window_;
};

}  // namespace vantrel
