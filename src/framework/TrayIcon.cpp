#include "framework/TrayIcon.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "tray/TrayTooltip.h"

namespace vantrel {
namespace {

constexpr UINT kIconId = 1;

// The shell broadcasts this to top-level windows when the notification area
// has been made anew, after a restart of the shell.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

struct MouseReport {
  UINT message;
  TrayReport report;
  TrayButton button;
};

constexpr MouseReport kMouseReports[] = {
    {WM_MOUSEMOVE, TrayReport::Move, TrayButton::Left},
    {WM_LBUTTONDOWN, TrayReport::Down, TrayButton::Left},
    {WM_LBUTTONUP, TrayReport::Up, TrayButton::Left},
    {WM_LBUTTONDBLCLK, TrayReport::DoubleClick, TrayButton::Left},
    {WM_RBUTTONDOWN, TrayReport::Down, TrayButton::Right},
    {WM_RBUTTONUP, TrayReport::Up, TrayButton::Right},
    {WM_RBUTTONDBLCLK, TrayReport::DoubleClick, TrayButton::Right},
    {WM_MBUTTONDOWN, TrayReport::Down, TrayButton::Middle},
    {WM_MBUTTONUP, TrayReport::Up, TrayButton::Middle},
    {WM_MBUTTONDBLCLK, TrayReport::DoubleClick, TrayButton::Middle},
};

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

}  // namespace

TrayIcon::TrayIcon(Component* owner, ShellNotify notify)
    : Component(owner), notify_(std::move(notify)) {}

TrayIcon::~TrayIcon() {
  if (added_) Notify(NIM_DELETE);
}

HWND TrayIcon::Window() {
  // Made when first needed, as the icon is added: a window is a noticeable
  // cost at start-up. Top-level, not message-only: the "TaskbarCreated"
  // broadcast must reach it.
  if (!window_) {
    window_.emplace([this](UINT message, WPARAM, LPARAM lParam,
                           LRESULT&) { return HandleMessage(message, lParam); },
                    false);
  }
  return window_->Handle();
}

void TrayIcon::Loaded() {
  loaded_ = true;
  UpdateAdded();
}

void TrayIcon::SetActive(bool active) {
  active_ = active;
  UpdateAdded();
}

void TrayIcon::SetHint(std::string hint) {
  if (hint == hint_) return;
  hint_ = std::move(hint);
  if (added_) Notify(NIM_MODIFY);
}

void TrayIcon::SetIcon(HICON icon) { ReplaceIcon(icon, OwnedIcon()); }

void TrayIcon::LoadIconResource(HINSTANCE module, const char* name) {
  OwnedIcon icon(
      static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
  const HICON shown = icon.Get();
  ReplaceIcon(shown, std::move(icon));
}

void TrayIcon::ReplaceIcon(HICON icon, OwnedIcon owned) {
  // The old image goes only after the shell has taken the new one.
  const OwnedIcon previous = std::exchange(ownedIcon_, std::move(owned));
  icon_ = icon;
  if (added_) Notify(NIM_MODIFY);
}

void TrayIcon::UpdateAdded() {
  const bool wanted = active_ && loaded_;
  if (wanted == added_) return;
  added_ = wanted;
  if (wanted) {
    Add();
  } else {
    Notify(NIM_DELETE);
    tracker_.Disarm();
  }
}

void TrayIcon::Add() {
  Notify(NIM_ADD);
  tracker_.Disarm();
}

void TrayIcon::Notify(DWORD message) {
  NOTIFYICONDATAA data{};
  // The first layout of the record, which every shell understands; its tip
  // holds the tooltip limit and the terminating zero.
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = Window();
  data.uID = kIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_;
  const std::string tip = TrayTooltipFromHint(hint_);
  std::memcpy(data.szTip, tip.data(), tip.size());
  notify_(message, &data);
}

bool TrayIcon::HandleMessage(UINT message, LPARAM lParam) {
  if (message == kCallbackMessage) {
    HandleMouseReport(LOWORD(lParam));
    return true;
  }
  if (message == TaskbarCreatedMessage()) {
    if (added_) Add();
    return true;
  }
  return false;
}

void TrayIcon::HandleMouseReport(UINT mouseMessage) {
  const auto* found = std::find_if(
      std::begin(kMouseReports), std::end(kMouseReports),
      [mouseMessage](const MouseReport& known) { return known.message == mouseMessage; });
  if (found == std::end(kMouseReports)) return;
  POINT at{};
  GetCursorPos(&at);
  const TrayShift shift{KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL), KeyHeld(VK_MENU)};
  for (const TrayEvent& event : tracker_.Report(found->report, found->button)) {
    Raise(event, shift, at);
  }
}

void TrayIcon::Raise(const TrayEvent& event, TrayShift shift, POINT at) {
  switch (event.kind) {
    case TrayEventKind::MouseMove:
      if (onMouseMove) onMouseMove(shift, at.x, at.y);
      break;
    case TrayEventKind::MouseDown:
      shift.doubleClick = event.doubleClick;
      if (onMouseDown) onMouseDown(event.button, shift, at.x, at.y);
      break;
    case TrayEventKind::Click:
      if (onClick) onClick(event.button, shift, at.x, at.y);
      break;
    case TrayEventKind::MouseUp:
      if (onMouseUp) onMouseUp(event.button, shift, at.x, at.y);
      break;
    case TrayEventKind::DoubleClick:
      if (onDoubleClick) onDoubleClick();
      break;
  }
}

}  // namespace vantrel
