#pragma once

#include <windows.h>

#include "framework/IndicatorButton.h"
#include "framework/PickerControls.h"

namespace vantrel {

// A square indicator with a check mark; a click toggles it.
class CheckBox final : public IndicatorButton {
 public:
  static constexpr const char* kClassName = CHECK_BOX_CLASS;
  static const char* Register();
  static CheckBox* FromHandle(HWND window) { return ControlWindow::FromHandle<CheckBox>(window); }

  explicit CheckBox(HWND handle) : IndicatorButton(handle) {}

  void Toggle() { SetChecked(!Checked()); }

 protected:
  void Clicked() override { Toggle(); }
  void DrawIndicator(HDC dc, const RECT& client) const override;
};

}  // namespace vantrel
