#include <gtest/gtest.h>
#include <windows.h>

#include "ClockFixture.h"
#include "config/EConvertError.h"
#include "config/EIniFileException.h"
#include "framework/Label.h"
#include "framework/Timer.h"

namespace vantrel {
namespace {

using MainFrmTest = ClockFixture;

TEST_F(MainFrmTest, StartsWithDefaultsWithoutASettingsFile) {
  TMainFrm& clock = Clock();
  EXPECT_EQ(clock.Left(), 0);
  EXPECT_EQ(clock.Top(), 0);
  EXPECT_EQ(clock.dispFormat, 0);
  EXPECT_EQ(clock.dispFontName, "Terminal");
  EXPECT_EQ(clock.dispFontSize, 14);
  EXPECT_EQ(clock.dispFontColor, "clWhite");
  EXPECT_EQ(clock.dispFontStyle, 2);
  EXPECT_EQ(clock.timeText->Caption(), "9:05:03");
  const LabelFont& font = clock.timeText->Font();
  EXPECT_EQ(font.face, "Terminal");
  EXPECT_EQ(font.color, 0xFFFFFF);
  EXPECT_TRUE(font.underline);
  EXPECT_FALSE(font.bold);
  EXPECT_EQ(clock.Width(), clock.timeText->Width() + 10);
  EXPECT_EQ(clock.Height(), clock.timeText->Height() + 1);
  EXPECT_TRUE(clock.Clock_Timer->Enabled());
  EXPECT_FALSE(SettingsExist());
}

TEST_F(MainFrmTest, ReadsEverySettingAndPlacesTheWindowUnchecked) {
  WriteSettings(
      "[system]\r\nlastpositx=-300\r\nLastPositY=5000\r\nDispFormat=2\r\n"
      "DispFontName=Arial\r\nDispFontSize=0x10\r\nDispFontColor=$0000FF\r\nDispFontStyle=4\r\n");
  clock_.now = {2026, 12, 11, 21, 5, 3};
  TMainFrm& clock = Clock();
  EXPECT_EQ(clock.Left(), -300);
  EXPECT_EQ(clock.Top(), 5000);
  EXPECT_EQ(clock.dispFontSize, 16);
  EXPECT_EQ(clock.timeText->Caption(), "9:05:03 PM");
  EXPECT_EQ(clock.timeText->Font().face, "Arial");
  EXPECT_EQ(clock.timeText->Font().color, 0x0000FF);
  EXPECT_FALSE(clock.timeText->Font().underline);
  EXPECT_FALSE(clock.timeText->Font().bold);
}

TEST_F(MainFrmTest, ResetsTheWidthOnlyAtMidnight) {
  clock_.now = {2026, 12, 11, 23, 59, 59};
  TMainFrm& clock = Clock();
  const int lateWidth = clock.Width();
  clock_.now = {2026, 12, 12, 0, 0, 0};
  clock.UpdateTime();
  EXPECT_EQ(clock.timeText->Caption(), "0:00:00");
  EXPECT_EQ(clock.Width(), clock.timeText->Width() + 10);
  EXPECT_LT(clock.Width(), lateWidth);  // shrinks

  clock.SetWidth(500);
  clock_.now.second = 1;
  clock.UpdateTime();
  EXPECT_EQ(clock.Width(), clock.timeText->Width() + 10);

  clock.SetWidth(500);
  clock_.now.second = 2;
  clock.UpdateTime();
  EXPECT_EQ(clock.Width(), 500);
}

TEST_F(MainFrmTest, KeepsItsWidthWhenTheTextGrowsOnAnOrdinaryTick) {
  clock_.now = {2026, 12, 11, 9, 59, 59};
  TMainFrm& clock = Clock();
  const int width = clock.Width();
  clock_.now = {2026, 12, 11, 10, 0, 0};
  clock.UpdateTime();
  EXPECT_EQ(clock.timeText->Caption(), "10:00:00");
  EXPECT_GT(clock.timeText->Width() + 10, width);
  EXPECT_EQ(clock.Width(), width);
}

TEST_F(MainFrmTest, TheLabelTakesTheRoomOfItsTextAndNoneWhenEmpty) {
  Label& label = *Clock().timeText;
  const int height = label.Height();
  label.SetCaption("");
  EXPECT_EQ(label.Width(), 0);
  EXPECT_EQ(label.Height(), 0);
  label.SetCaption(" ");
  EXPECT_GT(label.Width(), 0);
  EXPECT_EQ(label.Height(), height);  // a line of the font, whatever the text
}

TEST_F(MainFrmTest, TwelveHourTexts) {
  TMainFrm& clock = Clock();
  clock.dispFormat = 1;
  const std::pair<LocalDateTime, const char*> cases[] = {
      {{2026, 1, 1, 0, 0, 0}, "12:00:00 AM"},
      {{2026, 1, 1, 12, 0, 0}, "12:00:00 PM"},
      {{2026, 1, 1, 23, 59, 59}, "11:59:59 PM"},
  };
  for (const auto& [at, text] : cases) {
    clock_.now = at;
    clock.UpdateTime();
    EXPECT_EQ(clock.timeText->Caption(), text);
  }
}

TEST_F(MainFrmTest, AppliesStyleCodes) {
  TMainFrm& clock = Clock();
  struct Case {
    int code;
    bool bold;
    bool underline;
  };
  const Case cases[] = {{0, false, false}, {1, true, false},  {2, false, true},  {3, true, true},
                        {4, false, false}, {7, false, false}, {-1, false, false}};
  for (const Case& c : cases) {
    clock.dispFontStyle = c.code;
    clock.ApplyFont();
    EXPECT_EQ(clock.timeText->Font().bold, c.bold) << c.code;
    EXPECT_EQ(clock.timeText->Font().underline, c.underline) << c.code;
  }
}

TEST_F(MainFrmTest, FontChangesGrowTheWindowButNeverShrinkIt) {
  TMainFrm& clock = Clock();
  const int width = clock.Width();
  const int height = clock.Height();
  clock.dispFontName = "Arial";
  clock.dispFontSize = 8;
  clock.ApplyFont();
  EXPECT_EQ(clock.Width(), width);
  EXPECT_EQ(clock.Height(), height);

  clock.dispFontSize = 40;
  clock.ApplyFont();
  EXPECT_EQ(clock.Width(), clock.timeText->Width() + 5);
  EXPECT_EQ(clock.Height(), clock.timeText->Height() + 5);

  // An empty face keeps the one the label has; a long one is cut to 31 bytes.
  clock.dispFontName.clear();
  clock.ApplyFont();
  EXPECT_EQ(clock.timeText->Font().face, "Arial");
  clock.dispFontName = std::string(40, 'F');
  clock.ApplyFont();
  EXPECT_EQ(clock.timeText->Font().face, std::string(31, 'F'));
}

TEST_F(MainFrmTest, UnusableColourFailsAfterFaceAndSize) {
  TMainFrm& clock = Clock();
  clock.dispFontName = "Arial";
  clock.dispFontSize = 30;
  clock.dispFontColor = "White";
  clock.dispFontStyle = 3;
  try {
    clock.ApplyFont();
    FAIL() << "accepted White";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'White' は整数ではありません");
  }
  const LabelFont& font = clock.timeText->Font();
  EXPECT_EQ(font.face, "Arial");
  EXPECT_EQ(font.color, 0xFFFFFF);  // colour and style keep their values
  EXPECT_TRUE(font.underline);
  EXPECT_FALSE(font.bold);
}

TEST_F(MainFrmTest, FirstSaveWritesEightLinesInOrder) {
  TMainFrm& clock = Clock();
  clock.SaveConfig(-12, 34);
  EXPECT_EQ(ReadSettings(),
            "[System]\r\nLastPositX=-12\r\nLastPositY=34\r\nDispFontName=Terminal\r\n"
            "DispFontSize=14\r\nDispFontColor=clWhite\r\nDispFontStyle=2\r\nDispFormat=0\r\n");
  EXPECT_EQ(clock.posX, 0);  // the start-up position is not touched
}

TEST_F(MainFrmTest, SaveKeepsOtherContentAndAnyCaseColourNames) {
  WriteSettings("; mine\r\n[System]\r\nDispFontColor=CLRED\r\nExtra=1\r\n[Other]\r\nA=b\r\n");
  TMainFrm& clock = Clock();
  clock.SaveConfig(1, 2);
  const std::string content = ReadSettings();
  EXPECT_NE(content.find("; mine\r\n[System]\r\nDispFontColor=CLRED\r\nExtra=1\r\n"),
            std::string::npos)
      << content;
  EXPECT_NE(content.find("[Other]\r\nA=b"), std::string::npos) << content;
}

TEST_F(MainFrmTest, NeverSavesAColourThatCannotBeReadBack) {
  WriteSettings("[System]\r\nDispFontColor=clRed\r\n");
  TMainFrm& clock = Clock();
  for (const char* unusable : {"", "White"}) {
    clock.dispFontColor = unusable;
    clock.dispFontSize = 30;
    clock.SaveConfig(5, 6);
    const std::string content = ReadSettings();
    EXPECT_NE(content.find("DispFontColor=clRed\r\n"), std::string::npos) << content;
    EXPECT_NE(content.find("DispFontSize=30\r\n"), std::string::npos) << content;
  }
  RestartClock();  // and the next start works
  EXPECT_EQ(Clock().timeText->Font().color, 0x0000FF);
}

TEST_F(MainFrmTest, DragMovesInStepsAndSavesOnRelease) {
  TMainFrm& clock = Clock();
  clock.SetLeft(100);
  clock.SetTop(100);
  clock.timeText2MouseDown(MouseButton::Right, 10, 5);
  EXPECT_FALSE(clock.Clock_Timer->Enabled());
  for (int i = 0; i < 6; ++i) clock.timeText2MouseMove(20, 25);
  EXPECT_EQ(clock.Left(), 100);
  clock.timeText2MouseMove(20, 25);
  EXPECT_EQ(clock.Left(), 110);
  EXPECT_EQ(clock.Top(), 120);
  clock.timeText2MouseUp(MouseButton::Right, -5, 0);
  EXPECT_EQ(clock.Left(), 95);
  EXPECT_EQ(clock.Top(), 115);
  EXPECT_TRUE(clock.Clock_Timer->Enabled());
  EXPECT_NE(ReadSettings().find("LastPositX=95\r\nLastPositY=115\r\n"), std::string::npos);
}

TEST_F(MainFrmTest, RefusedSaveAfterADragLeavesTheClockTickingAtItsNewPlace) {
  WriteSettings("[System]\r\nLastPositX=0\r\n");
  SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
  TMainFrm& clock = Clock();
  clock.timeText2MouseDown(MouseButton::Left, 0, 0);
  try {
    clock.timeText2MouseUp(MouseButton::Left, 30, 40);
    FAIL() << "the save was not refused";
  } catch (const EIniFileException& error) {
    EXPECT_EQ(error.Message(), SettingsFile() + " に書き込めません");
  }
  EXPECT_EQ(clock.Left(), 30);
  EXPECT_EQ(clock.Top(), 40);
  EXPECT_TRUE(clock.Clock_Timer->Enabled());
  EXPECT_FALSE(clock.Drag().dragging());
}

TEST_F(MainFrmTest, ContextMenuOpensAtThePointerOrFromTheKeyboardAtTheCorner) {
  TMainFrm& clock = Clock();
  clock.SetLeft(120);
  clock.SetTop(80);
  POINT openedAt{-1, -1};
  clock.onContextPopup = [&](int x, int y) { openedAt = {x, y}; };
  SendMessageA(clock.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clock.Hwnd()),
               MAKELPARAM(130, 90));
  EXPECT_EQ(openedAt.x, 130);
  EXPECT_EQ(openedAt.y, 90);
  // A request from the keyboard carries no position.
  SendMessageA(clock.Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(clock.Hwnd()), -1);
  EXPECT_EQ(openedAt.x, 120);
  EXPECT_EQ(openedAt.y, 80);
}

}  // namespace
}  // namespace vantrel
