#pragma once

#include <cstdint>
#include <string>

#include "Main/DragTracker.h"
#include "framework/LocalDateTime.h"
#include "framework/Application.h"
#include "framework/LocaleSettings.h"
#include "framework/PopupMenu.h"
#include "framework/MouseEvents.h"
#include "framework/Win32Form.h"

namespace vantrel {

class Label;
class PopupMenu;
class TLayeredForm;
class Timer;
class TrayIcon;

// The clock window: a borderless, always-on-top window whose only visible
// content is the time text.
class TMainFrm final : public Win32Form {
 public:
  explicit TMainFrm(Component* owner, TimeSource& clock);
  explicit TMainFrm(Component* owner);
  ~TMainFrm() override;

  void UpdateTime();
  void ApplyFont();
  void LoadConfig();
  void SaveConfig(std::int32_t x, std::int32_t y);

  void Clock_TimerTimer();
  void FormShow();
  void timeText2MouseDown(MouseButton button, int x, int y);
  void timeText2MouseMove(int x, int y);
  void timeText2MouseUp(MouseButton button, int x, int y);
  void timeText2DblClick();
  void RxTrayIcon1Click();
  void TrayIconMouseMove();
  void QuitQ1Click();
  void PreferencesP1Click();
  void About1Click();

  // Positions of the menu's items, separators included.
  static constexpr int kPreferencesItem = 0;
  static constexpr int kQuitItem = 2;
  static constexpr int kAboutItem = 4;

  TLayeredForm* LayeredForm1 = nullptr;
  Timer* Clock_Timer = nullptr;
  PopupMenu* PopMenu = nullptr;
  vantrel::TrayIcon* TrayIcon = nullptr;
  Timer* TrayIconDelay = nullptr;
  Label* timeText = nullptr;

  std::int32_t posX = 0;
  std::int32_t posY = 0;
  std::int32_t dispFormat = 0;
  std::string dispFontName;
  std::int32_t dispFontSize = 0;
  std::string dispFontColor;
  std::int32_t dispFontStyle = 0;
  char versionText[256] = {};

  const DragTracker& Drag() const { return drag_; }

 protected:
  void CreateParams(WindowParams& params) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Runs a dialog modally with the application as its owner, keeping it in
  // `global` and its menu item greyed while it runs.
  template <typename Dialog, typename... Args>
  void RunDialog(Dialog*& global, int menuItem, Args&&... args) {
    global = new Dialog(&App(), std::forward<Args>(args)...);
    PopMenu->Disable(menuItem);
    struct Cleanup {
      TMainFrm& clock;
      Dialog*& global;
      int menuItem;
      ~Cleanup() {
        delete global;
        global = nullptr;
        clock.PopMenu->Enable(menuItem);
        ShowWindow(App().Handle(), SW_HIDE);
      }
    } cleanup{*this, global, menuItem};
    global->ShowModal();
  }

 private:
  TimeSource& clock_;
  LocaleSettings locale_;
  DragTracker drag_;
};

// The clock window of this process, set while it is being constructed.
extern TMainFrm* MainFrm;

}  // namespace vantrel
