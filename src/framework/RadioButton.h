#pragma once

#include <windows.h>

#include <vector>

#include "framework/IndicatorButton.h"
#include "framework/PickerControls.h"

namespace vantrel {

// A round indicator. The radio buttons of one parent form a group: checking
// one (by the program, a click, or giving it the focus) unchecks the others.
// Only the checked one is a tab stop.
class RadioButton final : public IndicatorButton {
 public:
  static constexpr const char* kClassName = RADIO_BUTTON_CLASS;
  static const char* Register();
  static RadioButton* FromHandle(HWND window) {
    return ControlWindow::FromHandle<RadioButton>(window);
  }

  explicit RadioButton(HWND handle);

  void SetChecked(bool checked) override;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Clicked() override;
  void DrawIndicator(HDC dc, const RECT& client) const override;

 private:
  // The radio buttons of this one's parent, this one included, in z-order.
  std::vector<RadioButton*> Group() const;
  void FocusNeighbour(int step);
  void SetTabStop(bool on);
};

}  // namespace vantrel
