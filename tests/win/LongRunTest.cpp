#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "About/TAboutFrm.h"
#include "ClockFixture.h"
#include "Pref/TPrefFrm.h"
#include "config/ColorName.h"
#include "framework/LiveResources.h"

namespace vantrel {
namespace {

// What the process holds: the wrappers' live counts and the windows of this
// thread (top-level, child and message-only).
struct Holdings {
  std::array<long, static_cast<std::size_t>(LiveResource::kCount)> resources{};
  long windows = 0;
  bool operator==(const Holdings&) const = default;
};

BOOL CALLBACK CountChildren(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindowTree(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountChildren, count);
  return TRUE;
}

long ThreadWindows() {
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindowTree, reinterpret_cast<LPARAM>(&count));
  for (HWND window = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); window;
       window = FindWindowExA(HWND_MESSAGE, window, nullptr, nullptr)) {
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) ++count;
  }
  return count;
}

Holdings Now() {
  Holdings now;
  for (std::size_t kind = 0; kind < now.resources.size(); ++kind) {
    now.resources[kind] = LiveResources::Count(static_cast<LiveResource>(kind));
  }
  now.windows = ThreadWindows();
  return now;
}

std::ostream& operator<<(std::ostream& out, const Holdings& holdings) {
  out << "gdi objects " << holdings.resources[0] << ", device contexts " << holdings.resources[1]
      << ", icons " << holdings.resources[2] << ", menus " << holdings.resources[3] << ", windows "
      << holdings.windows;
  return out;
}

// Runs a dialog modally and closes it from inside its own run.
template <typename Dialog>
void OpenAndClose(Dialog& dialog) {
  PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  dialog.ShowModal();
}

class LongRunTest : public ClockFixture {
 protected:
  void Tick() {
    LocalDateTime& now = clock_.now;
    if (++now.second == 60) {
      now.second = 0;
      if (++now.minute == 60) {
        now.minute = 0;
        if (++now.hour == 24) {
          now.hour = 0;
          ++now.day;
        }
      }
    }
    Clock().Clock_TimerTimer();
  }

  void ChangeFont(int round) {
    static const char* const kFaces[] = {"Terminal", "Arial", "IPAGothic", "DejaVu Sans", ""};
    TMainFrm& clock = Clock();
    clock.dispFontName = kFaces[round % 5];
    clock.dispFontSize = 8 + round % 64;
    clock.dispFontColor = std::string(ColorNameTable()[static_cast<std::size_t>(round % 16)].name);
    clock.dispFontStyle = round % 4;
    clock.ApplyFont();
  }

  void DialogCycle() {
    {
      TPrefFrm preferences(&application_);
      OpenAndClose(preferences);
    }
    TAboutFrm about(&application_, Clock().versionText);
    OpenAndClose(about);
  }

  void Paint() { UpdateWindow(Clock().Hwnd()); }
};

TEST_F(LongRunTest, TwoDaysOfTicksFontsAndDialogsHoldNothingMore) {
  MainFrm = &Clock();
  Clock().Show();
  clock_.now = {2026, 12, 11, 0, 0, 0};
  // Once of everything first: what stays cached for the whole run is taken here.
  Tick();
  ChangeFont(0);
  DialogCycle();
  Paint();
  const Holdings start = Now();
  SCOPED_TRACE(::testing::Message() << "at the start: " << start);

  constexpr int kTicks = 2 * 24 * 60 * 60;
  int fontChanges = 0;
  int dialogCycles = 0;
  for (int tick = 1; tick <= kTicks; ++tick) {
    Tick();
    if (tick % 172 == 0 && fontChanges < 1000) ChangeFont(++fontChanges);
    if (tick % 1700 == 0 && dialogCycles < 100) {
      DialogCycle();
      ++dialogCycles;
    }
    if (tick % 60 == 0) Paint();
    if (tick % 21600 == 0) {
      ASSERT_EQ(Now(), start) << "after " << tick << " ticks";
    }
  }
  EXPECT_EQ(fontChanges, 1000);
  EXPECT_EQ(dialogCycles, 100);
  EXPECT_EQ(clock_.now.day, 13);
  EXPECT_EQ(Now(), start);
  MainFrm = nullptr;
}

}  // namespace
}  // namespace vantrel
