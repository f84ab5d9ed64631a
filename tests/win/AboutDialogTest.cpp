// The About dialog as the user meets it: its stored layout, what it paints,
// its controls' reactions, and its modal run driven by a timer while
// ShowModal turns the application's message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "About/TAboutFrm.h"
#include "forms/MakerTexts.h"
#include "forms/ResourceIds.h"
#include "framework/Application.h"
#include "framework/DialogControls.h"
#include "framework/GdiObject.h"
#include "framework/HyperlinkLabel.h"
#include "framework/IconPicture.h"
#include "framework/MemoryDC.h"
#include "framework/MessageWindow.h"
#include "framework/SelectedObject.h"
#include "framework/ShadowLabel.h"
#include "framework/SkinnedButton.h"
#include "framework/StripedPanel.h"
#include "framework/WindowDC.h"
#include "version/TProjectRcVersion.h"

namespace vantrel {
namespace {

constexpr DWORD kScriptDeadlineMs = 20000;

RECT BoundsInClient(HWND control) {
  RECT bounds;
  GetWindowRect(control, &bounds);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

LPARAM ClientPoint(int x, int y) { return MAKELPARAM(x, y); }

// Runs a dialog modally while a timer plays steps in order. A step runs on a
// tick and returns true when it is done, false to be tried again on the next
// tick; messages it posts are handled before the next tick. When the steps
// stall past the deadline, the test fails and the run is closed.
class ModalScript final {
 public:
  using Step = std::function<bool()>;

  ModalResult Run(DialogForm& dialog, std::vector<Step> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    const DWORD start = GetTickCount();
    MessageWindow ticker([&](UINT message, WPARAM, LPARAM, LRESULT&) {
      if (message != WM_TIMER || busy_) return false;
      busy_ = true;  // a step may run a nested modal loop that ticks again
      if (next_ < steps_.size() && steps_[next_]()) ++next_;
      if (next_ < steps_.size() && GetTickCount() - start > kScriptDeadlineMs) {
        ADD_FAILURE() << "the script stalled at step " << next_;
        next_ = steps_.size();
        dialog.Close();
      }
      busy_ = false;
      return true;
    });
    SetTimer(ticker.Handle(), 1, 10, nullptr);
    const ModalResult result = dialog.ShowModal();
    KillTimer(ticker.Handle(), 1);
    EXPECT_EQ(next_, steps_.size()) << "the run ended before the script did";
    return result;
  }

 private:
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  bool busy_ = false;
};

// The program icon is the first icon group, so the shell shows it for the
// executable, with a 32 x 32 and a 16 x 16 image of 16 colours each.
BOOL CALLBACK KeepFirstName(HMODULE, LPCSTR, LPSTR name, LONG_PTR found) {
  *reinterpret_cast<const char**>(found) = name;
  return FALSE;
}

TEST(ProgramIcon, IsTheFirstIconGroupWithBothSizes) {
  const char* first = nullptr;
  EnumResourceNamesA(nullptr, RT_GROUP_ICON, &KeepFirstName, reinterpret_cast<LONG_PTR>(&first));
  ASSERT_TRUE(IS_INTRESOURCE(first));
  EXPECT_EQ(reinterpret_cast<ULONG_PTR>(first), static_cast<ULONG_PTR>(IDI_MAINICON));

  const HRSRC group = FindResourceA(nullptr, MAKEINTRESOURCEA(IDI_MAINICON), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, group)));
  const int count = directory[4] | directory[5] << 8;
  std::vector<std::vector<int>> images;  // width, height, colours, bits per pixel
  for (int i = 0; i < count; ++i) {
    const BYTE* entry = directory + 6 + 14 * i;
    images.push_back({entry[0], entry[1], entry[2], entry[6] | entry[7] << 8});
  }
  EXPECT_EQ(images, (std::vector<std::vector<int>>{{32, 32, 16, 4}, {16, 16, 16, 4}}));
}

class AboutDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application_.Initialize();
    application_.SetTitle("Vantrel");
    // The version string as the clock window reads it at start-up.
    TProjectRcVersion reader;
    reader.GetFileVersion(versionText_, sizeof versionText_);
    about_ = std::make_unique<TAboutFrm>(&application_, versionText_);
  }

  // A visible top-level window of the program, as the clock is.
  HWND ShowOtherWindow() {
    other_ = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    return other_;
  }

  void TearDown() override {
    about_.reset();
    if (other_) DestroyWindow(other_);
  }

  Application application_;
  char versionText_[256] = {};
  std::unique_ptr<TAboutFrm> about_;
  HWND other_ = nullptr;
};

TEST_F(AboutDialogTest, IsBuiltFromItsStoredLayout) {
  const HWND dialog = about_->Handle();
  EXPECT_EQ(about_->Caption(), "Vantrelのバージョン情報");
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(client.right, 420);
  EXPECT_EQ(client.bottom, 101);
  const LONG_PTR style = GetWindowLongPtrA(dialog, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), application_.Handle());
  EXPECT_NE(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0), 0);

  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(font.lfHeight, -12);
  EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
  // Every control draws with it.
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    EXPECT_EQ(SendMessageA(child, WM_GETFONT, 0, 0), SendMessageA(dialog, WM_GETFONT, 0, 0));
  }

  struct Row {
    HWND control;
    RECT bounds;
    const char* text;
  };
  const Row rows[] = {
      {about_->AdvPanel1->Handle(), {0, 0, 420, 101}, ""},
      {about_->Image1->Handle(), {8, 8, 40, 40}, "#1"},
      {about_->LMDSimpleLabel1->Handle(), {48, 8, 193, 23}, "Vantrel Version"},
      {about_->strVers->Handle(), {197, 9, 246, 24}, VANTREL_FILE_VERSION_TEXT},
      {about_->LMDSimpleLabel3->Handle(), {64, 24, 417, 39}, VANTREL_COPYRIGHT},
      {about_->HTMLabel1->Handle(), {150, 44, 287, 61}, VANTREL_WEB_ADDRESS},
      {about_->HSNeoBtn1->Handle(), {192, 64, 264, 88}, "OK"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const RECT bounds = BoundsInClient(row.control);
    EXPECT_EQ(bounds.left, row.bounds.left);
    EXPECT_EQ(bounds.top, row.bounds.top);
    EXPECT_EQ(bounds.right, row.bounds.right);
    EXPECT_EQ(bounds.bottom, row.bounds.bottom);
    char text[128] = {};
    GetWindowTextA(row.control, text, sizeof text);
    EXPECT_STREQ(text, row.text);
  }
  // The panel lies beneath every other control.
  EXPECT_EQ(GetWindow(about_->AdvPanel1->Handle(), GW_HWNDNEXT), nullptr);
  EXPECT_EQ(about_->HTMLabel1->Target(), VANTREL_WEB_ADDRESS);
  ASSERT_NE(about_->Image1->Icon(), nullptr);
}

TEST_F(AboutDialogTest, ShowsAnEmptyVersionWhenNoneWasRead) {
  TAboutFrm about(&application_, "");
  char text[16] = "unchanged";
  GetWindowTextA(about.strVers->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "");
}

// The pixels of the dialog's client area while it is shown.
class ClientPixels final {
 public:
  explicit ClientPixels(HWND dialog) {
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT client;
    GetClientRect(dialog, &client);
    width_ = client.right;
    pixels_.resize(static_cast<std::size_t>(client.right * client.bottom));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.right;
    info.bmiHeader.biHeight = -client.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const WindowDC window(dialog);
    const MemoryDC memory(window.Get());
    void* bits = nullptr;
    const GdiObject<HBITMAP> bitmap(
        CreateDIBSection(window.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, client.right, client.bottom, window.Get(), 0, 0, SRCCOPY);
    GdiFlush();
    std::memcpy(pixels_.data(), bits, pixels_.size() * 4);
  }

  // 0xRRGGBB at (x, y).
  unsigned At(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y * width_ + x)] & 0xFFFFFF;
  }
  int CountIn(const RECT& area, unsigned colour) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour;
    }
    return count;
  }

 private:
  int width_ = 0;
  std::vector<unsigned> pixels_;
};

unsigned Grey(unsigned level) { return level << 16 | level << 8 | level; }

TEST_F(AboutDialogTest, PaintsStripesIconShadowedLabelsLinkAndButton) {
  ModalScript script;
  script.Run(*about_, {[&] {
    const ClientPixels pixels(about_->Handle());
    // Stripes where nothing covers the panel, the same in every tile.
    for (int y : {0, 1, 2, 3, 20, 21, 22, 23, 96, 97, 98, 99}) {
      SCOPED_TRACE(y);
      EXPECT_EQ(pixels.At(400, y), Grey(StripedPanel::kStripeGreys[y % 4]));
      EXPECT_EQ(pixels.At(5, y), Grey(StripedPanel::kStripeGreys[y % 4]));
    }
    // The icon: transparent corner, navy rim, white dial.
    EXPECT_EQ(pixels.At(8, 8), Grey(StripedPanel::kStripeGreys[0]));
    EXPECT_EQ(pixels.At(8 + 15, 8), 0x000080u);
    EXPECT_EQ(pixels.At(8 + 10, 8 + 20), 0xFFFFFFu);
    // Each label: its text in black over its grey shadow.
    for (const ShadowLabel* label :
         {about_->LMDSimpleLabel1, about_->strVers, about_->LMDSimpleLabel3}) {
      const RECT bounds = BoundsInClient(label->Handle());
      EXPECT_GT(pixels.CountIn(bounds, 0x000000), 10);
      EXPECT_GT(pixels.CountIn(bounds, 0xC3C3C3), 10);
    }
    EXPECT_GT(pixels.CountIn(BoundsInClient(about_->HTMLabel1->Handle()), 0x0000FF), 40);
    // The button: the stripes show through its rounded corner; the
    // bar left of the caption is cyan.
    EXPECT_EQ(pixels.At(192, 64), Grey(StripedPanel::kStripeGreys[0]));
    const unsigned bar = pixels.At(192 + 10, 64 + 12);
    const unsigned red = bar >> 16, green = bar >> 8 & 0xFF, blue = bar & 0xFF;
    EXPECT_LT(red + 60, green);
    EXPECT_LT(red + 60, blue);
    about_->Close();
    return true;
  }});
}

TEST_F(AboutDialogTest, EnterAndEscapeLeaveItOpenAndOkClosesIt) {
  const HWND other = ShowOtherWindow();
  const HWND dialog = about_->Handle();
  ModalScript script;
  const ModalResult result = script.Run(
      *about_,
      {[&] {
         EXPECT_TRUE(IsWindowVisible(dialog));
         EXPECT_FALSE(IsWindowEnabled(other));  // the standard modal behaviour
         RECT bounds;
         GetWindowRect(dialog, &bounds);
         EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);
         EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - (bounds.bottom - bounds.top)) / 2);
         for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
           PostMessageA(dialog, WM_KEYDOWN, key, 1);
           PostMessageA(dialog, WM_KEYUP, key, 0xC0000001);
         }
         return true;
       },
       [&] {
         EXPECT_TRUE(IsWindowVisible(dialog));
         EXPECT_EQ(about_->GetModalResult(), ModalResult::None);
         const HWND ok = about_->HSNeoBtn1->Handle();
         PostMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(36, 12));
         PostMessageA(ok, WM_LBUTTONUP, 0, ClientPoint(36, 12));
         return true;
       }});
  EXPECT_EQ(result, ModalResult::Cancel);
  EXPECT_FALSE(IsWindowVisible(dialog));
  EXPECT_TRUE(IsWindowEnabled(other));
}

// Where the close box of a window is, in screen pixels.
POINT CloseBoxPoint(HWND window) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  for (int y = bounds.top; y < bounds.top + 40; ++y) {
    for (int x = bounds.right - 1; x > bounds.right - 80; --x) {
      if (SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE) return {x - 2, y + 2};
    }
  }
  return {-1, -1};
}

void ClickAt(POINT point, DWORD down, DWORD up) {
  SetCursorPos(point.x, point.y);
  INPUT inputs[2] = {};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = down;
  inputs[1].mi.dwFlags = up;
  SendInput(2, inputs, sizeof inputs[0]);
}

TEST_F(AboutDialogTest, TheCloseBoxAndAltF4CloseIt) {
  const HWND dialog = about_->Handle();
  struct Way {
    const char* name;
    std::function<void()> close;
  };
  const Way ways[] = {
      {"Alt+F4",
       [&] {
         PostMessageA(dialog, WM_SYSKEYDOWN, VK_F4, static_cast<LPARAM>(1 | KF_ALTDOWN << 16));
       }},
      {"close box",
       [&] {
         const POINT box = CloseBoxPoint(dialog);
         ASSERT_GE(box.x, 0) << "no close box";
         ClickAt(box, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
       }},
  };
  for (const Way& way : ways) {
    SCOPED_TRACE(way.name);
    ModalScript script;
    const ModalResult result = script.Run(*about_, {[&] {
      way.close();
      return true;
    }});
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(result, ModalResult::Cancel);
  }
}

TEST_F(AboutDialogTest, TerminationEndsTheRunAsCancelled) {
  const HWND other = ShowOtherWindow();
  ModalScript script;
  const ModalResult result = script.Run(*about_, {[&] {
    application_.Terminate();
    return true;
  }});
  EXPECT_EQ(result, ModalResult::Cancel);
  EXPECT_TRUE(application_.Terminated());
  EXPECT_FALSE(IsWindowVisible(about_->Handle()));
  EXPECT_TRUE(IsWindowEnabled(other));
}

TEST_F(AboutDialogTest, ASecondDialogRunsOnTopOfTheFirst) {
  TAboutFrm second(&application_, versionText_);
  ModalScript outer;
  ModalScript inner;
  const ModalResult result =
      outer.Run(*about_, {[&] {
                            const ModalResult innerResult =
                                inner.Run(second, {[&] {
                                            EXPECT_FALSE(IsWindowEnabled(about_->Handle()));
                                            second.HSNeoBtn1Click();
                                            return true;
                                          }});
                            EXPECT_EQ(innerResult, ModalResult::Cancel);
                            return true;
                          },
                          [&] {
                            // The first is enabled again and still running.
                            EXPECT_TRUE(IsWindowEnabled(about_->Handle()));
                            EXPECT_TRUE(IsWindowVisible(about_->Handle()));
                            about_->HSNeoBtn1Click();
                            return true;
                          }});
  EXPECT_EQ(result, ModalResult::Cancel);
}

// The OK button: pressed image only while held over it, a click only when
// released over it, no hover image, no keyboard focus.
TEST_F(AboutDialogTest, TheButtonShowsThePressAndClicksOnReleaseOverIt) {
  using Look = SkinnedButton::Look;
  SkinnedButton* button = about_->HSNeoBtn1;
  const HWND handle = button->Handle();
  int clicks = 0;
  button->onClick = [&] { ++clicks; };
  struct Input {
    UINT message;
    int x;
    int y;
    Look look;
  };
  struct Sequence {
    const char* name;
    std::vector<Input> inputs;
    int clicks;
  };
  const Sequence sequences[] = {
      {"hover shows nothing", {{WM_MOUSEMOVE, 30, 10, Look::Normal}}, 0},
      {"click", {{WM_LBUTTONDOWN, 30, 10, Look::Pressed}, {WM_LBUTTONUP, 30, 10, Look::Normal}}, 1},
      {"leave and come back",
       {{WM_LBUTTONDOWN, 30, 10, Look::Pressed},
        {WM_MOUSEMOVE, 100, 10, Look::Normal},
        {WM_MOUSEMOVE, 70, 23, Look::Pressed},
        {WM_LBUTTONUP, 70, 23, Look::Normal}},
       1},
      {"released outside",
       {{WM_LBUTTONDOWN, 30, 10, Look::Pressed},
        {WM_MOUSEMOVE, 30, -3, Look::Normal},
        {WM_LBUTTONUP, 30, -3, Look::Normal}},
       0},
  };
  for (const Sequence& sequence : sequences) {
    SCOPED_TRACE(sequence.name);
    clicks = 0;
    for (const Input& input : sequence.inputs) {
      SendMessageA(handle, input.message, input.message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                   ClientPoint(input.x, input.y));
      EXPECT_EQ(button->CurrentLook(), input.look);
    }
    EXPECT_EQ(clicks, sequence.clicks);
  }
  EXPECT_FALSE(GetWindowLongPtrA(handle, GWL_STYLE) & WS_TABSTOP);
  EnableWindow(handle, FALSE);
  EXPECT_EQ(button->CurrentLook(), Look::Disabled);
}

TEST_F(AboutDialogTest, APressOnTheLinkOpensItsTarget) {
  HyperlinkLabel* link = about_->HTMLabel1;
  std::vector<std::string> opened;
  link->onAnchorClick = [&](const std::string& target) {
    opened.push_back(target);
    return false;  // the test opens nothing
  };
  // The address is shown whole, and only a press on it opens it.
  const RECT text = link->LinkBounds();
  ASSERT_GT(text.right, 20);
  ASSERT_LT(text.right + 2, link->Width());
  for (int x : {text.left + 2, text.right + 2}) {
    SendMessageA(link->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(x, 5));
    SendMessageA(link->Handle(), WM_LBUTTONUP, 0, ClientPoint(x, 5));
  }
  EXPECT_EQ(opened, std::vector<std::string>{VANTREL_WEB_ADDRESS});

  // The hand shows over the link text.
  ShowWindow(about_->Handle(), SW_SHOWNA);
  POINT onText{text.left + 2, 5};
  ClientToScreen(link->Handle(), &onText);
  SetCursorPos(onText.x, onText.y);
  EXPECT_TRUE(SendMessageA(link->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link->Handle()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
}

// Settings of the dialog controls that the About dialog leaves off and the
// Preferences dialog uses: the panel's bevel, the hover image, a label's click.
class DialogControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application_.Initialize();
    parent_ = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override { DestroyWindow(parent_); }

  HWND Create(const char* className, DWORD style, const RECT& bounds) {
    return CreateWindowExA(0, className, "Caption", WS_CHILD | WS_VISIBLE | style, bounds.left,
                           bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                           parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
  }

  Application application_;
  HWND parent_ = nullptr;
};

unsigned SystemColour(int index) {
  const COLORREF colour = GetSysColor(index);
  return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

TEST_F(DialogControlsTest, ThePanelBevelIsRaisedAndOptional) {
  for (bool bevel : {false, true}) {
    SCOPED_TRACE(bevel);
    const HWND panel =
        Create(StripedPanel::Register(), bevel ? STRIPED_PANEL_BEVEL : 0, {0, 0, 60, 40});
    const ClientPixels pixels(panel);
    EXPECT_EQ(pixels.At(0, 0),
              bevel ? SystemColour(COLOR_BTNHIGHLIGHT) : Grey(StripedPanel::kStripeGreys[0]));
    EXPECT_EQ(pixels.At(59, 39),
              bevel ? SystemColour(COLOR_BTNSHADOW) : Grey(StripedPanel::kStripeGreys[3]));
    EXPECT_EQ(pixels.At(5, 5), Grey(StripedPanel::kStripeGreys[1]));
    DestroyWindow(panel);
  }
}

// Handles messages until `done` holds or five seconds have passed.
bool PumpUntil(const std::function<bool()>& done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 5000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  }
  return true;
}

TEST_F(DialogControlsTest, TheHoverImageFollowsThePointerWhenAskedFor) {
  using Look = SkinnedButton::Look;
  const HWND handle = Create(SkinnedButton::Register(), SKINNED_BUTTON_RED | SKINNED_BUTTON_HOVER,
                             {10, 10, 82, 34});
  SkinnedButton* button = SkinnedButton::FromHandle(handle);
  ASSERT_NE(button, nullptr);
  POINT over{30, 12};
  ClientToScreen(handle, &over);
  SetCursorPos(over.x, over.y);
  SendMessageA(handle, WM_MOUSEMOVE, 0, ClientPoint(30, 12));
  EXPECT_EQ(button->CurrentLook(), Look::Hover);
  SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(30, 12));
  EXPECT_EQ(button->CurrentLook(), Look::Pressed);
  SendMessageA(handle, WM_LBUTTONUP, 0, ClientPoint(30, 12));
  EXPECT_EQ(button->CurrentLook(), Look::Hover);
  SetCursorPos(0, 0);
  EXPECT_TRUE(PumpUntil([&] { return button->CurrentLook() == Look::Normal; }));
}

TEST_F(DialogControlsTest, ALabelTracksClicksOnlyWithAHandler) {
  const HWND handle = Create(ShadowLabel::Register(), 0, {10, 40, 70, 55});
  ShadowLabel* label = ShadowLabel::FromHandle(handle);
  ASSERT_NE(label, nullptr);
  SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(5, 5));
  EXPECT_EQ(GetCapture(), nullptr);
  SendMessageA(handle, WM_LBUTTONUP, 0, ClientPoint(5, 5));

  int clicks = 0;
  label->onClick = [&] { ++clicks; };
  for (int releaseX : {5, 200}) {  // over the label, then off it
    SendMessageA(handle, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(5, 5));
    EXPECT_EQ(GetCapture(), handle);
    SendMessageA(handle, WM_LBUTTONUP, 0, ClientPoint(releaseX, 5));
  }
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
}  // namespace vantrel
