#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/TrayIcon.h"

namespace vantrel {
namespace {

struct ShellCall {
  DWORD message;
  HWND window;
  UINT id;
  UINT callbackMessage;
  HICON icon;
  std::string tip;
  BOOL result;
};

// Keeps every request the icon makes of the shell; passes them on to the
// real notification area when asked to.
class ShellRecorder {
 public:
  explicit ShellRecorder(bool forward = false) : forward_(forward) {}

  TrayIcon::ShellNotify Notify() {
    return [this](DWORD message, NOTIFYICONDATAA* data) {
      const BOOL result = forward_ ? Shell::NotifyIcon(message, data) : TRUE;
      calls.push_back({message, data->hWnd, data->uID, data->uCallbackMessage, data->hIcon,
                       data->szTip, result});
      return result;
    };
  }

  std::vector<DWORD> Messages() const {
    std::vector<DWORD> messages;
    for (const ShellCall& call : calls) messages.push_back(call.message);
    return messages;
  }

  std::vector<ShellCall> calls;

 private:
  bool forward_;
};

void BroadcastTaskbarCreated() {
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0,
                      SMTO_ABORTIFHUNG, 2000, &ignored);
}

void Report(TrayIcon& icon, UINT mouseMessage) {
  SendMessageA(icon.Window(), TrayIcon::kCallbackMessage, 0, mouseMessage);
}

TEST(TrayIcon, AddsWhenLoadedUpdatesTheTipOnlyWhenTheHintChangesAndDeletesWhenDestroyed) {
  ShellRecorder shell;
  const HICON image = LoadIconA(nullptr, IDI_APPLICATION);
  auto icon = std::make_unique<TrayIcon>(nullptr, shell.Notify());
  icon->SetIcon(image);
  icon->SetHint("zuzo_2");
  EXPECT_TRUE(shell.calls.empty()) << "nothing is added before the layout is loaded";

  icon->Loaded();
  ASSERT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});
  const ShellCall added = shell.calls[0];
  EXPECT_EQ(added.window, icon->Window());
  EXPECT_TRUE(IsWindow(added.window));
  EXPECT_EQ(added.callbackMessage, TrayIcon::kCallbackMessage);
  EXPECT_EQ(added.icon, image);
  EXPECT_EQ(added.tip, "zuzo_2");

  icon->SetHint("zuzo_2");
  icon->SetHint("2005/8/2|today");
  icon->SetHint("2005/8/2|today");
  icon->SetHint(std::string(70, 'x'));
  ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_MODIFY}));
  EXPECT_EQ(shell.calls[1].tip, "2005/8/2");
  EXPECT_EQ(shell.calls[2].tip, std::string(63, 'x'));
  EXPECT_EQ(icon->Hint(), std::string(70, 'x'));

  icon.reset();
  ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_MODIFY, NIM_DELETE}));
  EXPECT_EQ(shell.calls.back().window, added.window);
  EXPECT_EQ(shell.calls.back().id, added.id);
}

TEST(TrayIcon, TheNotificationAreaTakesTheIconAndGivesItBack) {
  ShellRecorder shell(true);
  auto icon = std::make_unique<TrayIcon>(nullptr, shell.Notify());
  icon->SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
  icon->SetHint("zuzo_2");
  icon->Loaded();
  icon->SetHint("2026/12/11");
  // The shell knows the icon by its window and number while it is there.
  NOTIFYICONDATAA probe{};
  probe.cbSize = NOTIFYICONDATAA_V1_SIZE;
  probe.hWnd = shell.calls.at(0).window;
  probe.uID = shell.calls.at(0).id;
  EXPECT_TRUE(Shell::NotifyIcon(NIM_MODIFY, &probe));
  icon.reset();
  EXPECT_FALSE(Shell::NotifyIcon(NIM_MODIFY, &probe));
  ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
  for (const ShellCall& call : shell.calls) EXPECT_TRUE(call.result) << call.message;
}

TEST(TrayIcon, ComesBackWhenTheNotificationAreaIsMadeAnew) {
  ShellRecorder shell;
  TrayIcon icon(nullptr, shell.Notify());
  std::vector<TrayButton> clicks;
  icon.onClick = [&](TrayButton button, TrayShift, int, int) { clicks.push_back(button); };
  icon.SetHint("zuzo_2");
  BroadcastTaskbarCreated();
  EXPECT_TRUE(shell.calls.empty()) << "not loaded yet";

  icon.Loaded();
  icon.SetHint("2026/1/2");
  Report(icon, WM_LBUTTONDOWN);
  BroadcastTaskbarCreated();
  ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD}));
  EXPECT_EQ(shell.calls.back().tip, "2026/1/2");
  // Adding again forgets the press made before it.
  Report(icon, WM_LBUTTONUP);
  EXPECT_TRUE(clicks.empty());

  icon.SetActive(false);
  BroadcastTaskbarCreated();
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_DELETE}));
}

TEST(TrayIcon, ShowsTheSmallImageOfAnIconResourceAndDestroysItWhenGone) {
  ShellRecorder shell;
  auto icon = std::make_unique<TrayIcon>(nullptr, shell.Notify());
  icon->LoadIconResource(nullptr, IDI_APPLICATION);
  icon->Loaded();
  ASSERT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});
  const HICON shown = shell.calls[0].icon;
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(shown, &info));
  BITMAP mask{};
  GetObjectA(info.hbmMask, sizeof mask, &mask);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  EXPECT_EQ(mask.bmWidth, GetSystemMetrics(SM_CXSMICON));

  // A new image replaces the shown one at once.
  icon->SetIcon(LoadIconA(nullptr, IDI_APPLICATION));
  ASSERT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
  EXPECT_NE(shell.calls[1].icon, shown);
  EXPECT_FALSE(GetIconInfo(shown, &info)) << "the loaded image outlived its use";
}

// The keys held during a report come from the thread's keyboard state.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), state);
    for (int key : keys) state[key] = 0x80;
    SetKeyboardState(state);
  }
  ~HeldKeys() { SetKeyboardState(saved_); }
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256] = {};
};

const char* NameOf(TrayButton button) {
  return button == TrayButton::Left ? "L" : button == TrayButton::Right ? "R" : "M";
}

std::string Describe(TrayShift shift, int x, int y) {
  std::string text = " " + std::to_string(x) + "," + std::to_string(y);
  if (shift.shift) text += " shift";
  if (shift.ctrl) text += " ctrl";
  if (shift.alt) text += " alt";
  if (shift.doubleClick) text += " double";
  return text;
}

class TrayIconEvents : public ::testing::Test {
 protected:
  TrayIconEvents() : icon_(nullptr, shell_.Notify()) {
    const auto log = [this](const char* kind) {
      return [this, kind](TrayButton button, TrayShift shift, int x, int y) {
        events_.push_back(std::string(kind) + " " + NameOf(button) + Describe(shift, x, y));
      };
    };
    icon_.onMouseDown = log("down");
    icon_.onClick = log("click");
    icon_.onMouseUp = log("up");
    icon_.onMouseMove = [this](TrayShift shift, int x, int y) {
      events_.push_back("move" + Describe(shift, x, y));
    };
    icon_.onDoubleClick = [this] { events_.push_back("double-click"); };
    icon_.Loaded();
  }

  std::vector<std::string> Play(std::initializer_list<UINT> reports) {
    events_.clear();
    for (UINT report : reports) Report(icon_, report);
    return events_;
  }

  ShellRecorder shell_;
  TrayIcon icon_;
  std::vector<std::string> events_;
};

TEST_F(TrayIconEvents, RaisesEventsAtTheCursorForEachReport) {
  ASSERT_TRUE(SetCursorPos(123, 45));
  POINT cursor{};
  GetCursorPos(&cursor);
  const std::string at = " " + std::to_string(cursor.x) + "," + std::to_string(cursor.y);
  using Events = std::vector<std::string>;
  const std::pair<std::initializer_list<UINT>, Events> cases[] = {
      {{WM_MOUSEMOVE}, {"move" + at}},
      {{WM_LBUTTONDOWN, WM_LBUTTONUP}, {"down L" + at, "click L" + at, "up L" + at}},
      {{WM_RBUTTONDOWN, WM_RBUTTONUP}, {"down R" + at, "click R" + at, "up R" + at}},
      {{WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_MBUTTONUP},
       {"down M" + at, "up M" + at, "down M" + at + " double", "up M" + at}},
      // What the shell sends for a double-click: the second press is the
      // double-click report, and neither it nor its release is a click.
      {{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
       {"down L" + at, "click L" + at, "up L" + at, "double-click", "down L" + at + " double",
        "up L" + at}},
      {{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP},
       {"down R" + at, "click R" + at, "up R" + at, "down R" + at + " double", "up R" + at}},
      // Reports of later shells and other messages raise nothing.
      {{WM_CONTEXTMENU, WM_USER, WM_USER + 1, WM_KEYDOWN}, {}},
  };
  for (const auto& [reports, expected] : cases) EXPECT_EQ(Play(reports), expected);
}

TEST_F(TrayIconEvents, PassesTheKeysHeldAtTheReport) {
  POINT cursor{};
  GetCursorPos(&cursor);
  const std::string at = " " + std::to_string(cursor.x) + "," + std::to_string(cursor.y);
  {
    const HeldKeys keys{VK_SHIFT, VK_CONTROL};
    EXPECT_EQ(Play({WM_RBUTTONDOWN}), std::vector<std::string>{"down R" + at + " shift ctrl"});
  }
  {
    const HeldKeys keys{VK_MENU};
    EXPECT_EQ(Play({WM_MOUSEMOVE}), std::vector<std::string>{"move" + at + " alt"});
  }
  EXPECT_EQ(Play({WM_RBUTTONUP}), (std::vector<std::string>{"click R" + at, "up R" + at}));
}

TEST_F(TrayIconEvents, RemovingTheIconForgetsAPress) {
  Play({WM_LBUTTONDOWN, WM_RBUTTONDOWN});
  icon_.SetActive(false);
  icon_.SetActive(true);
  const auto events = Play({WM_LBUTTONUP, WM_RBUTTONUP});
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].rfind("up L", 0), 0u) << events[0];
  EXPECT_EQ(events[1].rfind("up R", 0), 0u) << events[1];
  EXPECT_EQ(shell_.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_DELETE, NIM_ADD}));
}

}  // namespace
}  // namespace vantrel
