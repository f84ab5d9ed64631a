#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "ClockFixture.h"
#include "config/EConvertError.h"
#include "framework/Label.h"

namespace vantrel {
namespace {

struct HostileFile {
  const char* name;
  std::string content;
  // Lines the program does not own, which a save must keep.
  std::vector<std::string> keptLines;
};

std::string Binary() {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 7919) & 0xFF);
  return bytes;
}

std::string Huge() {
  std::string text = "[Other]\r\n";
  for (int i = 0; i < 60000; ++i) text += "Key" + std::to_string(i) + "=some value here\r\n";
  return text + "[System]\r\nDispFontSize=20\r\n";
}

const std::vector<HostileFile>& Cases() {
  static const std::vector<HostileFile> cases = {
      {"empty", "", {}},
      {"binary", Binary(), {}},
      {"huge", Huge(), {"Key0=some value here", "Key59999=some value here"}},
      {"long value",
       "[System]\r\nDispFontName=" + std::string(5000, 'A') + "\r\nMine=1\r\n",
       {"Mine=1"}},
      {"lines without equals",
       "[System]\r\njust words\r\nDispFontSize\r\nMine=2\r\n",
       {"just words", "Mine=2"}},
      {"duplicate sections and keys",
       "[System]\r\nDispFontSize=20\r\nDispFontSize=30\r\n[Other]\r\nA=1\r\n[System]\r\n"
       "Mine=3\r\n",
       {"[Other]", "A=1", "Mine=3"}},
      {"CR line ends", "[System]\rDispFontSize=20\rMine=4\r", {"Mine=4"}},
      {"LF line ends",
       "[System]\nDispFontSize=20\nMine=5\n[Other]\nB=2\n",
       {"Mine=5", "[Other]", "B=2"}},
      {"UTF-8 byte-order mark",
       "\xEF\xBB\xBF[System]\r\nDispFontSize=20\r\nMine=6\r\n",
       {"Mine=6"}},
  };
  return cases;
}

using HostileSettingsTest = ClockFixture;

TEST_F(HostileSettingsTest, EveryFileStartsTheClockAndASaveKeepsForeignLines) {
  for (const HostileFile& file : Cases()) {
    SCOPED_TRACE(file.name);
    RemoveSettings();
    WriteSettings(file.content);
    RestartClock();
    TMainFrm& clock = Clock();
    EXPECT_EQ(clock.timeText->Caption(), "9:05:03");
    EXPECT_EQ(clock.timeText->Font().color, 0xFFFFFF);
    clock.SaveConfig(11, 22);
    const std::string saved = ReadSettings();
    for (const std::string& line : file.keptLines) {
      EXPECT_NE(saved.find(line), std::string::npos) << line;
    }
    EXPECT_NE(saved.find("LastPositX=11"), std::string::npos);
    RestartClock();
    EXPECT_EQ(Clock().posX, 11);
  }
}

TEST_F(HostileSettingsTest, ADuplicateKeyReadsTheFirstOne) {
  WriteSettings("[System]\r\nDispFontSize=20\r\nDispFontSize=30\r\n");
  EXPECT_EQ(Clock().dispFontSize, 20);
}

TEST_F(HostileSettingsTest, AnUnusableColourStopsTheStartWithItsMessage) {
  WriteSettings("[System]\r\nDispFontColor=" + std::string(300, 'x') + "\r\n");
  try {
    Clock();
    FAIL() << "the clock started";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'" + std::string(300, 'x') + "' は整数ではありません");
  }
}

}  // namespace
}  // namespace vantrel
