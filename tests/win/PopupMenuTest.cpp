#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "framework/PopupMenu.h"
#include "framework/Win32Form.h"

namespace vantrel {
namespace {

void DispatchPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

// The clock's menu, counting the runs of each item's handler.
class ClockMenu : public ::testing::Test {
 protected:
  ClockMenu() : menu_(&form_) {
    menu_.Add("Preferences(&P)", [this] { ++runs_[0]; });
    menu_.AddSeparator();
    menu_.Add("Quit(&Q)", [this] { ++runs_[2]; });
    menu_.AddSeparator();
    menu_.Add("About(&A)", [this] { ++runs_[4]; });
  }

  std::string Caption(int index) const {
    char caption[64] = {};
    GetMenuStringA(menu_.Handle(), static_cast<UINT>(index), caption, sizeof caption,
                   MF_BYPOSITION);
    return caption;
  }
  UINT State(int index) const {
    return GetMenuState(menu_.Handle(), static_cast<UINT>(index), MF_BYPOSITION);
  }
  std::vector<bool> EnabledItems() const {
    std::vector<bool> enabled;
    for (int index = 0; index < menu_.Count(); ++index) enabled.push_back(menu_.Enabled(index));
    return enabled;
  }

  // Opens the menu with keys already waiting for it, as if typed at once.
  void PopupWithKeys(std::initializer_list<WPARAM> characters) {
    const HWND owner = form_.Hwnd();
    for (WPARAM character : characters) PostMessageA(owner, WM_CHAR, character, 0);
    // Whatever the keys did, the escape closes a menu still open.
    PostMessageA(owner, WM_KEYDOWN, VK_ESCAPE, 0);
    menu_.Popup(200, 150);
  }

  Win32Form form_{nullptr};
  PopupMenu menu_;
  int runs_[5] = {};
};

TEST_F(ClockMenu, AddressesItemsByPositionWithSeparatorsCounted) {
  ASSERT_EQ(menu_.Count(), 5);
  ASSERT_EQ(GetMenuItemCount(menu_.Handle()), 5);
  EXPECT_EQ(Caption(0), "Preferences(&P)");
  EXPECT_EQ(Caption(2), "Quit(&Q)");
  EXPECT_EQ(Caption(4), "About(&A)");
  for (int index : {1, 3}) EXPECT_TRUE(State(index) & MF_SEPARATOR) << index;
  for (int index : {0, 2, 4}) {
    EXPECT_EQ(State(index) & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << index;
  }
  EXPECT_EQ(GetMenuDefaultItem(menu_.Handle(), TRUE, 0), static_cast<UINT>(-1));
}

TEST_F(ClockMenu, GreysOnlyTheItemAtTheIndexWhileDisabled) {
  menu_.Disable(0);
  EXPECT_TRUE(State(0) & MF_GRAYED);
  EXPECT_EQ(EnabledItems(), (std::vector<bool>{false, false, true, false, true}));
  menu_.Disable(4);
  menu_.Enable(0);
  EXPECT_FALSE(State(0) & MF_GRAYED);
  EXPECT_TRUE(State(4) & MF_GRAYED);
  EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, false, true, false, false}));
  menu_.Enable(4);
  EXPECT_EQ(EnabledItems(), (std::vector<bool>{true, false, true, false, true}));
  EXPECT_FALSE(menu_.Enabled(5)) << "no such item";
}

TEST_F(ClockMenu, RunsAPostedItemOnceFromTheMessageLoop) {
  PostMessageA(menu_.Window(), WM_COMMAND, PopupMenu::CommandOf(4), 0);
  EXPECT_EQ(runs_[4], 0);
  DispatchPending();
  DispatchPending();
  EXPECT_EQ(runs_[0] + runs_[2] + runs_[4], 1);
  EXPECT_EQ(runs_[4], 1);
  // Separators and unknown numbers run nothing.
  for (int index : {1, 3, 5, -1}) {
    PostMessageA(menu_.Window(), WM_COMMAND, PopupMenu::CommandOf(index), 0);
  }
  DispatchPending();
  EXPECT_EQ(runs_[0] + runs_[2] + runs_[4], 1);
}

TEST_F(ClockMenu, ChoosesAnItemByItsLetterAndRunsItAfterTheMenuCloses) {
  PopupWithKeys({'q'});
  EXPECT_EQ(runs_[2], 0) << "ran inside the menu's loop";
  DispatchPending();
  EXPECT_EQ(runs_[2], 1);
  PopupWithKeys({'a'});
  DispatchPending();
  EXPECT_EQ(runs_[4], 1);
  EXPECT_EQ(runs_[0] + runs_[2] + runs_[4], 2);
}

TEST_F(ClockMenu, AGreyedItemCannotBeChosen) {
  menu_.Disable(0);
  PopupWithKeys({'p'});
  DispatchPending();
  EXPECT_EQ(runs_[0], 0);
  menu_.Enable(0);
  PopupWithKeys({'p'});
  DispatchPending();
  EXPECT_EQ(runs_[0], 1);
}

// Looks at the open menu from a timer that fires inside the menu's loop.
RECT openMenuBounds{};
HWND openMenuOwner = nullptr;

void CALLBACK InspectOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  const HWND menuWindow = FindWindowA("#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) return;
  KillTimer(nullptr, timer);
  GetWindowRect(menuWindow, &openMenuBounds);
  openMenuOwner = GetWindow(menuWindow, GW_OWNER);
  PostMessageA(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
}

TEST_F(ClockMenu, OpensWithItsTopLeftAtThePointForTheOwnerForm) {
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, InspectOpenMenu);
  ASSERT_NE(timer, 0u);
  // A timer that never finds the menu would leave it open: the escape waits.
  menu_.Popup(200, 150);
  KillTimer(nullptr, timer);
  EXPECT_EQ(openMenuBounds.left, 200);
  EXPECT_EQ(openMenuBounds.top, 150);
  EXPECT_GT(openMenuBounds.bottom - openMenuBounds.top, 20);
  EXPECT_EQ(openMenuOwner, form_.Hwnd());
  DispatchPending();
  EXPECT_EQ(runs_[0] + runs_[2] + runs_[4], 0);
}

}  // namespace
}  // namespace vantrel
