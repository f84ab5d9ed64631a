#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/ControlWindow.h"

namespace vantrel {

// A control that hosts a standard combo box over its whole rectangle and
// handles that box's notifications and owner drawing itself, so the dialog it
// lies on knows nothing of them. Tab and focus pass straight to the box.
class HostedComboBox : public ControlWindow {
 public:
  HWND Combo() const { return combo_; }

  int ItemCount() const;
  std::string ItemText(int index) const;
  std::vector<std::string> Items() const;
  // The selected item, -1 for none.
  int ItemIndex() const;
  // An index outside the list selects nothing.
  void SetItemIndex(int index);

 protected:
  HostedComboBox(HWND handle, DWORD comboStyle);

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void DrawItem(const DRAWITEMSTRUCT& item);
  // A CBN_ notification from the box.
  virtual void ComboNotified(WORD notification);
  // The font the box draws with.
  HFONT Font() const { return font_; }
  std::string ComboText() const;

 private:
  void CreateCombo();
  void FitFieldHeight();
  int ClosedHeight() const;

  DWORD comboStyle_;
  HWND combo_ = nullptr;
  HFONT font_ = nullptr;  // the dialog's, not owned
};

}  // namespace vantrel
