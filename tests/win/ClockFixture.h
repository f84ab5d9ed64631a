#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "Main/TMainFrm.h"
#include "config/SettingsPath.h"
#include "framework/Application.h"
#include "framework/LocalDateTime.h"
#include "framework/ModulePath.h"

namespace vantrel {

// A clock that stands wherever the test puts it.
class FakeClock final : public TimeSource {
 public:
  LocalDateTime now{2026, 12, 11, 9, 5, 3};
  LocalDateTime Now() override { return now; }
};

// An application object and the settings file beside the test program, which
// every test starts without.
class ClockFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    application_.Initialize();
    application_.SetTitle("Vantrel");
    RemoveSettings();
  }
  void TearDown() override {
    clockWindow_.reset();
    RemoveSettings();
  }

  TMainFrm& Clock() {
    if (!clockWindow_) clockWindow_ = std::make_unique<TMainFrm>(nullptr, clock_);
    return *clockWindow_;
  }
  void RestartClock() {
    clockWindow_.reset();
    Clock();
  }

  static std::string SettingsFile() { return SettingsPathForModule(ModulePath()); }
  static void WriteSettings(const std::string& content) {
    std::ofstream(SettingsFile(), std::ios::binary) << content;
  }
  static std::string ReadSettings() {
    std::ostringstream content;
    content << std::ifstream(SettingsFile(), std::ios::binary).rdbuf();
    return content.str();
  }
  static bool SettingsExist() {
    return GetFileAttributesA(SettingsFile().c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  static void RemoveSettings() {
    SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(SettingsFile().c_str());
  }

  Application application_;
  FakeClock clock_;

 private:
  std::unique_ptr<TMainFrm> clockWindow_;
};

}  // namespace vantrel
