#include "framework/PopupMenu.h"

#include "framework/Form.h"

namespace vantrel {

PopupMenu::PopupMenu(Component* owner) : Component(owner), menu_(CreatePopupMenu()) {}

HWND PopupMenu::Window() {
  // Made when first needed: a window is a noticeable cost at start-up.
  // Top-level, so that it can own the menu when no form does.
  if (!window_) {
    window_.emplace(
        [this](UINT message, WPARAM wParam, LPARAM, LRESULT&) {
          if (message != WM_COMMAND) return false;
          Choose(LOWORD(wParam));
          return true;
        },
        false);
  }
  return window_->Handle();
}

void PopupMenu::Add(const std::string& caption, std::function<void()> onClick) {
  clickHandlers_.push_back(std::move(onClick));
  AppendMenuA(menu_.Get(), MF_STRING, CommandOf(Count() - 1), caption.c_str());
}

void PopupMenu::AddSeparator() {
  clickHandlers_.emplace_back();
  AppendMenuA(menu_.Get(), MF_SEPARATOR, 0, nullptr);
}

int PopupMenu::Count() const { return static_cast<int>(clickHandlers_.size()); }

bool PopupMenu::Enabled(int index) const {
  const UINT state = GetMenuState(menu_.Get(), static_cast<UINT>(index), MF_BYPOSITION);
  return state != static_cast<UINT>(-1) && (state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED)) == 0;
}

void PopupMenu::Enable(int index) { SetEnabled(index, true); }

void PopupMenu::Disable(int index) { SetEnabled(index, false); }

void PopupMenu::SetEnabled(int index, bool enabled) {
  EnableMenuItem(menu_.Get(), static_cast<UINT>(index),
                 MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void PopupMenu::Popup(int x, int y) {
  const HWND owner = OwnerWindow();
  // Workaround: a menu closed by a click elsewhere can leave a cancel request
  // queued for its owner, which would end the next menu before it shows.
  MSG stale;
  while (PeekMessageA(&stale, owner, WM_CANCELMODE, WM_CANCELMODE, PM_REMOVE)) {
  }
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x,
                     y, 0, owner, nullptr));
  // Workaround: the owner needs a message after the menu, or a menu opened
  // from the notification area closes at once the next time it opens.
  PostMessageA(owner, WM_NULL, 0, 0);
  if (command != 0) PostMessageA(Window(), WM_COMMAND, command, 0);
}

void PopupMenu::Choose(UINT command) {
  const std::size_t index = command - 1;
  if (command == 0 || index >= clickHandlers_.size() || !clickHandlers_[index]) return;
  // A copy: the handler may rebuild or destroy the menu.
  const std::function<void()> onClick = clickHandlers_[index];
  onClick();
}

HWND PopupMenu::OwnerWindow() {
  if (auto* form = dynamic_cast<Form*>(Owner())) return reinterpret_cast<HWND>(form->Handle());
  return Window();
}

}  // namespace vantrel
