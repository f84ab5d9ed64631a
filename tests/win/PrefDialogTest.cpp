#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "ClockFixture.h"
#include "PrefTestSupport.h"
#include "Pref/TPrefFrm.h"
#include "forms/ResourceIds.h"
#include "framework/CheckBox.h"
#include "framework/ColorComboBox.h"
#include "framework/FontComboBox.h"
#include "framework/FontEnumeration.h"
#include "framework/FontSizeComboBox.h"
#include "framework/Label.h"
#include "framework/RadioButton.h"
#include "framework/ShadowLabel.h"
#include "framework/SkinnedButton.h"

namespace vantrel {
namespace {

// Runs steps inside a modal run, one per timer tick; a step that returns
// false is tried again on the next tick. After the last step the dialog is
// closed by its close box, so no run outlives its script.
class ModalScript final {
 public:
  using Step = std::function<bool()>;

  ModalScript(HWND dialog, std::initializer_list<Step> steps) : dialog_(dialog), steps_(steps) {}

  bool Finished() const { return steps_.empty(); }

 private:
  void Tick() {
    if (steps_.empty()) {
      PostMessageA(dialog_, WM_CLOSE, 0, 0);
    } else if (++tries_ > 100) {
      ADD_FAILURE() << "a step of the script never came true";
      steps_.clear();
    } else if (steps_.front()()) {
      steps_.pop_front();
      tries_ = 0;
    }
  }

  HWND dialog_;
  std::deque<Step> steps_;
  int tries_ = 0;
  ThreadTimer timer_{20, [this] { Tick(); }};
};

// A face the screen offers whose name has small letters.
std::string InstalledFace() {
  for (const FontFace& face : ScreenFontFaces()) {
    std::string upper = face.name;
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    if (IsScalable(face.kind) && upper != face.name) return face.name;
  }
  return {};
}

class PrefDialog : public ClockFixture {
 protected:
  void SetUp() override {
    ClockFixture::SetUp();
    face_ = InstalledFace();
    ASSERT_FALSE(face_.empty());
  }
  void TearDown() override {
    dialog_.reset();
    MainFrm = nullptr;
    ClockFixture::TearDown();
  }

  // The clock from `settings`, and the dialog over it.
  TPrefFrm& Open(const std::string& settings) {
    dialog_.reset();
    WriteSettings(settings);
    RestartClock();
    MainFrm = &Clock();
    dialog_ = std::make_unique<TPrefFrm>(&application_);
    return *dialog_;
  }
  std::string Settings(int format, const std::string& face, int size, const std::string& color,
                       int style) const {
    return "[System]\r\nLastPositX=100\r\nLastPositY=50\r\nDispFormat=" + std::to_string(format) +
           "\r\nDispFontName=" + face + "\r\nDispFontSize=" + std::to_string(size) +
           "\r\nDispFontColor=" + color + "\r\nDispFontStyle=" + std::to_string(style) + "\r\n";
  }
  static void Click(HWND control) {
    RECT client;
    GetClientRect(control, &client);
    const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
    SendMessageA(control, WM_LBUTTONUP, 0, centre);
  }
  static bool TabStop(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_TABSTOP) != 0; }
  // The dialog control that `window` belongs to.
  int ControlId(HWND window) const {
    while (window && GetParent(window) != dialog_->Handle()) window = GetParent(window);
    return window ? GetDlgCtrlID(window) : 0;
  }

  std::string face_;
  std::unique_ptr<TPrefFrm> dialog_;
};

TEST_F(PrefDialog, IsLaidOutAsDesigned) {
  TPrefFrm& dialog = Open("");
  EXPECT_EQ(dialog.Caption(), "Preferences");
  RECT client;
  GetClientRect(dialog.Handle(), &client);
  EXPECT_EQ(client.right, 287);
  EXPECT_EQ(client.bottom, 207);
  const LONG style = GetWindowLongA(dialog.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  struct Placed {
    int id;
    RECT bounds;
    const char* caption;
  };
  const Placed controls[] = {
      {IDC_PREF_FORMAT_LABEL, {8, 16, 73, 31}, "表示方法："},
      {IDC_PREF_DISP12, {69, 16, 85, 33}, ""},
      {IDC_PREF_DISP12_LABEL, {87, 17, 136, 32}, "12時間"},
      {IDC_PREF_DISP24, {70, 36, 85, 53}, ""},
      {IDC_PREF_DISP24_LABEL, {88, 38, 137, 53}, "24時間"},
      {IDC_PREF_FONT_LABEL, {8, 56, 65, 71}, "フォント："},
      {IDC_PREF_FONT, {64, 56, 225, 77}, ""},
      {IDC_PREF_COLOR_LABEL, {8, 82, 57, 97}, "カラー："},
      {IDC_PREF_COLOR, {64, 80, 225, 100}, ""},
      {IDC_PREF_SIZE_LABEL, {8, 106, 57, 121}, "サイズ："},
      {IDC_PREF_SIZE, {64, 104, 113, 124}, ""},
      {IDC_PREF_STYLE_LABEL, {8, 130, 65, 145}, "スタイル："},
      {IDC_PREF_BOLD, {64, 128, 81, 146}, ""},
      {IDC_PREF_BOLD_LABEL, {82, 131, 131, 146}, "ボールド"},
      {IDC_PREF_UNDERLINE, {64, 145, 81, 163}, ""},
      {IDC_PREF_UNDERLINE_LABEL, {82, 147, 169, 162}, "アンダーライン"},
      {IDC_PREF_APPLY, {0, 176, 72, 200}, "更新"},
      {IDC_PREF_CANCEL, {136, 176, 208, 200}, "Cancel"},
      {IDC_PREF_OK, {208, 176, 280, 200}, "Ok"},
      {IDC_PREF_PANEL, {0, 0, 287, 207}, ""},
  };
  for (const Placed& control : controls) {
    const HWND window = GetDlgItem(dialog.Handle(), control.id);
    ASSERT_NE(window, nullptr) << control.id;
    RECT bounds;
    GetWindowRect(window, &bounds);
    MapWindowPoints(nullptr, dialog.Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_TRUE(EqualRect(&bounds, &control.bounds)) << control.id;
    EXPECT_EQ(TextOf(window), control.caption) << control.id;
  }
  // The closed boxes are exactly as high as their places.
  RECT closed;
  GetWindowRect(dialog.fontName->Combo(), &closed);
  EXPECT_EQ(closed.bottom - closed.top, 21);
}

TEST_F(PrefDialog, LoadsTheClockSettingsInTwentyFourHourFormat) {
  TPrefFrm& dialog = Open(Settings(0, face_, 12, "CLRED", 3));
  EXPECT_TRUE(dialog.disp_24->Checked());
  EXPECT_FALSE(dialog.disp_12->Checked());
  EXPECT_TRUE(TabStop(dialog.disp_24->Handle()));
  EXPECT_FALSE(TabStop(dialog.disp_12->Handle()));
  EXPECT_EQ(dialog.fontName->GetSelectedFont(), face_);
  EXPECT_EQ(dialog.sizeFont->Text(), "12");
  EXPECT_EQ(dialog.sizeFont->ItemIndex(), 4);
  EXPECT_EQ(dialog.colorFont->GetSelectedColorName(), "clRed");
  EXPECT_TRUE(dialog.styleBold->Checked());
  EXPECT_TRUE(dialog.styleUnderline->Checked());

  // The focus starts on the checked radio button; Tab goes on to the
  // colour, face and size boxes and back.
  std::vector<int> order;
  ModalScript script(dialog.Handle(), {[&] {
                       HWND focus = GetFocus();
                       if (ControlId(focus) != IDC_PREF_DISP24) return false;
                       for (int i = 0; i < 5; ++i) {
                         order.push_back(ControlId(focus));
                         focus = GetNextDlgTabItem(dialog.Handle(), focus, FALSE);
                       }
                       return true;
                     }});
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(order, (std::vector<int>{IDC_PREF_DISP24, IDC_PREF_COLOR, IDC_PREF_FONT, IDC_PREF_SIZE,
                                     IDC_PREF_DISP24}));
}

TEST_F(PrefDialog, TwelveHourFormatAndUnknownStyleBitsAreSavedAsTheBoxesShowThem) {
  TPrefFrm& dialog = Open(Settings(2, face_, 12, "CLWHITE", 5));
  EXPECT_TRUE(dialog.disp_12->Checked());
  EXPECT_FALSE(dialog.disp_24->Checked());
  EXPECT_TRUE(dialog.styleBold->Checked());
  EXPECT_FALSE(dialog.styleUnderline->Checked());
  dialog.HSNeoBtn1Click();
  EXPECT_EQ(dialog.GetModalResult(), ModalResult::Ok);
  EXPECT_EQ(MainFrm->dispFormat, 1);
  EXPECT_EQ(MainFrm->dispFontStyle, 1);
  EXPECT_EQ(MainFrm->dispFontColor, "clWhite");
  EXPECT_EQ(ReadSettings(), Settings(1, face_, 12, "clWhite", 1));
}

TEST_F(PrefDialog, OkWritesAllSevenKeysWithTheSizeAsTyped) {
  TPrefFrm& dialog = Open("");
  RemoveSettings();
  dialog.fontName->SetSelectedFont(face_);
  dialog.colorFont->SetItemIndex(12);  // clBlue
  const auto typeZero = [&] {
    SetFocus(dialog.sizeFont->Edit());
    SetWindowTextA(dialog.sizeFont->Combo(), "");
    SendMessageA(dialog.sizeFont->Edit(), WM_CHAR, '0', 0);
    return GetFocus() == dialog.sizeFont->Edit();
  };
  const auto clickLabelsAndOk = [&] {
    Click(GetDlgItem(dialog.Handle(), IDC_PREF_DISP12_LABEL));
    Click(GetDlgItem(dialog.Handle(), IDC_PREF_UNDERLINE_LABEL));  // off: the default is on
    Click(dialog.HSNeoBtn1->Handle());
    EXPECT_EQ(GetFocus(), dialog.sizeFont->Edit());  // the buttons take no focus
    return true;
  };
  ModalScript script(dialog.Handle(), {typeZero, clickLabelsAndOk});
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
  const std::string expected = "[System]\r\nLastPositX=" + std::to_string(MainFrm->Left()) +
                               "\r\nLastPositY=" + std::to_string(MainFrm->Top()) +
                               "\r\nDispFontName=" + face_ +
                               "\r\nDispFontSize=0\r\nDispFontColor=clBlue\r\nDispFontStyle=0"
                               "\r\nDispFormat=1\r\n";
  EXPECT_EQ(ReadSettings(), expected);
}

TEST_F(PrefDialog, AFaceThatIsNotInstalledLeavesFaceAndSizeEmpty) {
  TPrefFrm& dialog = Open(Settings(0, "No Such Face", 14, "clWhite", 2));
  EXPECT_EQ(dialog.fontName->GetSelectedFont(), "");
  EXPECT_EQ(dialog.sizeFont->Text(), "");
  EXPECT_EQ(dialog.sizeFont->ItemCount(), 0);
  SendMessageA(dialog.sizeFont->Edit(), WM_CHAR, '9', 0);
  EXPECT_EQ(dialog.sizeFont->Text(), "");
  dialog.HSNeoBtn1Click();
  EXPECT_EQ(MainFrm->dispFontName, "");
  EXPECT_EQ(MainFrm->dispFontSize, -1);
  const std::string saved = ReadSettings();
  EXPECT_NE(saved.find("DispFontName=\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("DispFontSize=-1\r\n"), std::string::npos) << saved;
}

TEST_F(PrefDialog, ASizeTheFaceDoesNotListLeavesTheSizeEmpty) {
  TPrefFrm& dialog = Open(Settings(0, face_, 13, "clWhite", 2));
  EXPECT_EQ(dialog.fontName->GetSelectedFont(), face_);
  EXPECT_EQ(dialog.sizeFont->Text(), "");
  EXPECT_EQ(dialog.sizeFont->ItemIndex(), -1);
  dialog.CollectSettings();
  EXPECT_EQ(MainFrm->dispFontSize, -1);
}

TEST_F(PrefDialog, ApplyThenCancelKeepsTheNewLookWithoutSaving) {
  const std::string stored = Settings(0, face_, 12, "clWhite", 0);
  TPrefFrm& dialog = Open(stored);
  dialog.colorFont->SetItemIndex(12);  // clBlue
  dialog.styleBold->SetChecked(true);
  const auto click = [](SkinnedButton* button) {
    return [button] {
      Click(button->Handle());
      return true;
    };
  };
  ModalScript script(dialog.Handle(), {click(dialog.HSNeoBtn3), click(dialog.HSNeoBtn2)});
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
  EXPECT_EQ(MainFrm->dispFontColor, "clBlue");
  EXPECT_EQ(MainFrm->dispFontStyle, 1);
  EXPECT_EQ(MainFrm->timeText->Font().color, 0xFF0000);
  EXPECT_TRUE(MainFrm->timeText->Font().bold);
  EXPECT_EQ(ReadSettings(), stored);
}

TEST_F(PrefDialog, TheCloseBoxClosesLikeCancel) {
  TPrefFrm& dialog = Open(Settings(0, face_, 12, "clWhite", 0));
  dialog.colorFont->SetItemIndex(12);
  ModalScript script(dialog.Handle(), {});  // closes at once
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
  EXPECT_EQ(MainFrm->dispFontColor, "clWhite");
}

TEST_F(PrefDialog, WithoutAColourOkReportsTheEmptyNameAndStaysOpen) {
  const std::string stored = Settings(0, face_, 12, "$0000FF", 0);
  TPrefFrm& dialog = Open(stored);
  EXPECT_EQ(dialog.colorFont->GetSelectedColorName(), "");
  dialog.fontName->SetSelectedFont("No Such Face");
  ErrorBoxWatcher boxes;
  const auto pressOk = [&] {
    Click(dialog.HSNeoBtn1->Handle());
    return true;
  };
  const auto errorShown = [&] { return !boxes.Texts().empty(); };
  const auto checkAndPickAColour = [&] {
    EXPECT_EQ(boxes.Texts()[0], "'' は整数ではありません.");
    EXPECT_EQ(dialog.GetModalResult(), ModalResult::None);  // still open
    EXPECT_EQ(ReadSettings(), stored);                      // nothing saved
    // All five fields are changed by then.
    EXPECT_EQ(MainFrm->dispFontName, "");
    EXPECT_EQ(MainFrm->dispFontSize, -1);
    EXPECT_EQ(MainFrm->dispFontColor, "");
    dialog.colorFont->SetItemIndex(15);
    dialog.fontName->SetSelectedFont(face_);
    return true;
  };
  ModalScript script(dialog.Handle(), {pressOk, errorShown, checkAndPickAColour, pressOk});
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(boxes.Texts().size(), 1u);
  EXPECT_NE(ReadSettings().find("DispFontColor=clWhite\r\n"), std::string::npos);
}

TEST_F(PrefDialog, ARefusedWriteIsReportedAndKeepsTheDialogOpen) {
  TPrefFrm& dialog = Open(Settings(0, face_, 12, "clWhite", 0));
  SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
  ErrorBoxWatcher boxes;
  Click(dialog.HSNeoBtn1->Handle());
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Texts().empty(); }));
  EXPECT_EQ(boxes.Texts()[0], SettingsFile() + " に書き込めません.");
  EXPECT_EQ(dialog.GetModalResult(), ModalResult::None);
}

TEST_F(PrefDialog, LabelsActOnTheirIndicators) {
  TPrefFrm& dialog = Open(Settings(0, face_, 12, "clWhite", 0));
  const auto click = [&](int id) { Click(GetDlgItem(dialog.Handle(), id)); };
  click(IDC_PREF_DISP12_LABEL);
  EXPECT_TRUE(dialog.disp_12->Checked());
  EXPECT_FALSE(dialog.disp_24->Checked());
  click(IDC_PREF_DISP24_LABEL);
  EXPECT_TRUE(dialog.disp_24->Checked());
  EXPECT_FALSE(dialog.disp_12->Checked());
  click(IDC_PREF_BOLD_LABEL);
  EXPECT_TRUE(dialog.styleBold->Checked());
  click(IDC_PREF_BOLD_LABEL);
  EXPECT_FALSE(dialog.styleBold->Checked());
  click(IDC_PREF_UNDERLINE_LABEL);
  EXPECT_TRUE(dialog.styleUnderline->Checked());
}

TEST_F(PrefDialog, OpensBelowTheClockWithinTheScreen) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  {
    TPrefFrm& dialog = Open("[System]\r\nLastPositX=400\r\nLastPositY=200\r\n");
    EXPECT_EQ(dialog.Left() + dialog.Width(), MainFrm->Left() + MainFrm->Width());
    EXPECT_EQ(dialog.Top(), MainFrm->Top() + MainFrm->Height());
  }
  {
    TPrefFrm& dialog = Open("[System]\r\nLastPositX=" + std::to_string(screenWidth - 50) +
                            "\r\nLastPositY=" + std::to_string(screenHeight - 20) + "\r\n");
    EXPECT_EQ(dialog.Left() + dialog.Width(), screenWidth);
    EXPECT_EQ(dialog.Top() + dialog.Height(), screenHeight);
  }
  {
    TPrefFrm& dialog = Open("[System]\r\nLastPositX=-500\r\nLastPositY=-300\r\n");
    EXPECT_EQ(dialog.Left(), 0);
    EXPECT_EQ(dialog.Top(), 0);
  }
}

}  // namespace
}  // namespace vantrel
