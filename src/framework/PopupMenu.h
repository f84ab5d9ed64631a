#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/MessageWindow.h"
#include "framework/OwnedMenu.h"

namespace vantrel {

// A popup menu whose items are addressed by their position, separators
// included. A chosen item's handler runs from the message loop after the
// menu has closed, never inside the menu's own loop.
class PopupMenu final : public Component {
 public:
  explicit PopupMenu(Component* owner);

  // Appends an enabled item; "&" in the caption marks its accelerator letter.
  void Add(const std::string& caption, std::function<void()> onClick);
  void AddSeparator();

  int Count() const;
  // Whether the item can be chosen; a separator never can.
  bool Enabled(int index) const;
  void Enable(int index);
  void Disable(int index);

  // Opens the menu with its top-left corner at a screen point (the system
  // keeps it on the screen) and returns when it closes. The menu belongs to
  // the owner's window when the owner is a form.
  void Popup(int x, int y);

  HMENU Handle() const { return menu_.Get(); }
  // The window the chosen item is posted to, as WM_COMMAND with the item's
  // command identifier.
  HWND Window();
  static UINT CommandOf(int index) { return static_cast<UINT>(index) + 1; }

 private:
  void SetEnabled(int index, bool enabled);
  void Choose(UINT command);
  HWND OwnerWindow();

  OwnedMenu menu_;
  // One per item, empty for separators.
  std::vector<std::function<void()>> clickHandlers_;
  std::optional<MessageWindow> window_;
};

}  // namespace vantrel
