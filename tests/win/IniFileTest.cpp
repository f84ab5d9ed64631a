#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/EIniFileException.h"
#include "config/IsLinkedFile.h"
#include "config/TIniFile.h"

namespace vantrel {
namespace {

// A settings file of its own in the test's folder, removed afterwards.
class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    path_ = std::string(folder) + "\\" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
    DeleteFileA(path_.c_str());
  }
  void TearDown() override {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path_.c_str());
  }
  void Write(const std::string& content) { std::ofstream(path_, std::ios::binary) << content; }
  std::string Read() const {
    std::ostringstream content;
    content << std::ifstream(path_, std::ios::binary).rdbuf();
    return content.str();
  }

  std::string path_;
};

TEST_F(IniFileTest, MissingFileGivesDefaultsAndCreatesNothing) {
  {
    const TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("System", "DispFontName", "Terminal"), "Terminal");
    EXPECT_EQ(ini.ReadInteger("System", "DispFontSize", 14), 14);
  }
  EXPECT_EQ(GetFileAttributesA(path_.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(IniFileTest, ReadsNamesInAnyCaseAndTrimsBlanksAndQuotes) {
  Write(
      "[system]\r\n"
      "dispfontsize =  16  \r\n"
      "DispFontName=\"Courier New\"\r\n"
      "DispFontColor='clRed'\r\n"
      "LastPositX=-300\r\n"
      "LastPositY=12px\r\n"
      "Empty=\r\n"
      "[System]\r\n"
      "DispFormat=5\r\n");
  const TIniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("System", "DispFontSize", 14), 16);
  EXPECT_EQ(ini.ReadString("System", "DispFontName", ""), "Courier New");
  EXPECT_EQ(ini.ReadString("System", "DispFontColor", ""), "clRed");
  EXPECT_EQ(ini.ReadInteger("System", "LastPositX", 0), -300);
  EXPECT_EQ(ini.ReadInteger("System", "LastPositY", 7), 7);  // not an integer: the default
  EXPECT_EQ(ini.ReadString("System", "Empty", "x"), "");     // present but empty stays empty
  EXPECT_EQ(ini.ReadInteger("System", "Empty", 3), 3);
}

TEST_F(IniFileTest, CutsLongValuesAt2047Bytes) {
  Write("[System]\r\nDispFontName=" + std::string(3000, 'a') + "\r\n");
  const TIniFile ini(path_);
  EXPECT_EQ(ini.ReadString("System", "DispFontName", "").size(), 2047u);
}

TEST_F(IniFileTest, WritesInPlaceAndKeepsWhatItDoesNotKnow) {
  Write(
      "; my notes\r\n"
      "[Other]\r\n"
      "Keep=1\r\n"
      "[System]\r\n"
      "Mine=yes\r\n"
      "DispFontSize=9\r\n");
  {
    TIniFile ini(path_);
    ini.WriteInteger("System", "DispFontSize", 20);
    ini.WriteString("System", "DispFontColor", "clRed");
  }
  const std::string content = Read();
  EXPECT_NE(content.find("; my notes"), std::string::npos) << content;
  EXPECT_NE(content.find("[Other]\r\nKeep=1"), std::string::npos) << content;
  EXPECT_NE(content.find("Mine=yes\r\nDispFontSize=20\r\nDispFontColor=clRed"), std::string::npos)
      << content;
}

TEST_F(IniFileTest, KeepsAShiftJisFaceName) {
  const std::string face = "ＭＳ Ｐゴシック";
  {
    TIniFile ini(path_);
    ini.WriteString("System", "DispFontName", face);
  }
  EXPECT_NE(Read().find("DispFontName=" + face), std::string::npos);
  const TIniFile ini(path_);
  EXPECT_EQ(ini.ReadString("System", "DispFontName", ""), face);
}

TEST_F(IniFileTest, ReadOnlyFileRefusesTheWriteWithItsPath) {
  Write("[System]\r\nDispFontSize=9\r\n");
  SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
  TIniFile ini(path_);
  try {
    ini.WriteInteger("System", "DispFontSize", 20);
    FAIL() << "the write was not refused";
  } catch (const EIniFileException& error) {
    EXPECT_EQ(error.Message(), path_ + " に書き込めません");
  }
  EXPECT_EQ(Read(), "[System]\r\nDispFontSize=9\r\n");
}

// Files that are not links are never taken for one, however they are named, and
// asking leaves nothing behind.
TEST_F(IniFileTest, PlainAndMissingFilesAreNotLinks) {
  Write("[System]\r\n");
  const std::string folder = path_.substr(0, path_.rfind('\\'));
  std::string capitals = path_;
  CharUpperBuffA(capitals.data(), static_cast<DWORD>(capitals.size()));
  struct Case {
    const char* what;
    std::string path;
    bool exists;
  };
  const Case cases[] = {
      {"a plain file", path_, true},
      {"a plain file named in capitals", capitals, true},
      {"a missing file", folder + "\\missing.ini", false},
      {"a file in a missing folder", folder + "\\missing\\zuvirozo.ini", false},
  };
  for (const Case& file : cases) {
    EXPECT_FALSE(IsLinkedFile(file.path)) << file.what;
    EXPECT_EQ(GetFileAttributesA(file.path.c_str()) != INVALID_FILE_ATTRIBUTES, file.exists)
        << file.what << ": there or not as before";
  }
}

}  // namespace
}  // namespace vantrel
