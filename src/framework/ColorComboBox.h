#pragma once

#include <windows.h>

#include <string>

#include "framework/HostedComboBox.h"
#include "framework/PickerControls.h"

namespace vantrel {

// A drop-down list of the sixteen plain colours: each item a swatch in a
// sunken frame, then the colour's name without its "cl". The item texts are
// the full names.
class ColorComboBox final : public HostedComboBox {
 public:
  static constexpr const char* kClassName = COLOR_COMBOBOX_CLASS;
  // Registers the window class once; returns its name.
  static const char* Register();
  static ColorComboBox* FromHandle(HWND window) {
    return ControlWindow::FromHandle<ColorComboBox>(window);
  }

  explicit ColorComboBox(HWND handle);

  // The selected item's text, empty when nothing is selected.
  std::string GetSelectedColorName() const;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
};

}  // namespace vantrel
