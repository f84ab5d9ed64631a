#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/Component.h"
#include "framework/MessageWindow.h"
#include "framework/OwnedIcon.h"
#include "framework/Shell.h"
#include "tray/TrayMouseTracker.h"

namespace vantrel {

// Keys held when the shell reported the mouse, and whether a mouse-down came
// from a double-click.
struct TrayShift {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool doubleClick = false;
};

// An icon in the notification area with a tooltip and mouse events. The icon
// is added when the owner's layout has been loaded (while Active) and removed
// when the component goes.
class TrayIcon final : public Component {
 public:
  // How the icon reaches the shell; tests pass a recorder.
  using ShellNotify = std::function<BOOL(DWORD message, NOTIFYICONDATAA* data)>;
  // The message the shell sends the mouse reports with, to Window().
  static constexpr UINT kCallbackMessage = WM_APP + 1;

  explicit TrayIcon(Component* owner, ShellNotify notify = &Shell::NotifyIcon);
  ~TrayIcon() override;

  void Loaded() override;
  bool Active() const { return active_; }
  // Adds or removes the icon at once once the layout is loaded.
  void SetActive(bool active);

  // The tooltip is the part before the first "|", cut to the shell's limit.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);

  // An icon that stays alive elsewhere, such as a shared system icon.
  void SetIcon(HICON icon);
  // The small image of an icon resource, owned by this component.
  void LoadIconResource(HINSTANCE module, const char* name);

  // The window the shell reports to, made with the first icon.
  HWND Window();

  std::function<void(TrayShift shift, int x, int y)> onMouseMove;
  std::function<void(TrayButton button, TrayShift shift, int x, int y)> onMouseDown;
  std::function<void(TrayButton button, TrayShift shift, int x, int y)> onClick;
  std::function<void(TrayButton button, TrayShift shift, int x, int y)> onMouseUp;
  std::function<void()> onDoubleClick;

 private:
  bool HandleMessage(UINT message, LPARAM lParam);
  void HandleMouseReport(UINT mouseMessage);
  void Raise(const TrayEvent& event, TrayShift shift, POINT at);
  void UpdateAdded();
  void Add();
  void ReplaceIcon(HICON icon, OwnedIcon owned);
  void Notify(DWORD message);

  ShellNotify notify_;
  std::string hint_;
  HICON icon_ = nullptr;
  OwnedIcon ownedIcon_;
  bool active_ = true;
  bool loaded_ = false;
  // Whether the icon is meant to be in the notification area, kept so that
  // it can be put back when the shell starts again.
  bool added_ = false;
  TrayMouseTracker tracker_;
  std::optional<MessageWindow> window_;
};

}  // namespace vantrel
