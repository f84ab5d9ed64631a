#pragma once

#include <windows.h>

#include "config/Color.h"
#include "framework/ControlWindow.h"

namespace vantrel {

// A check indicator with no caption of its own, drawn on white: a click or
// the space bar acts on it, and it takes the focus when clicked.
class IndicatorButton : public ControlWindow {
 public:
  bool Checked() const { return checked_; }
  virtual void SetChecked(bool checked);
  // The colour of the dot or check mark.
  void SetMarkColor(TColor color);

 protected:
  explicit IndicatorButton(HWND handle) : ControlWindow(handle) {}

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // A click on the indicator or the space bar.
  virtual void Clicked() = 0;
  // Draws the indicator, centred in `client`.
  virtual void DrawIndicator(HDC dc, const RECT& client) const = 0;
  COLORREF MarkColor() const { return markColor_; }

  // Indicator sizes of the familiar look.
  static constexpr int kIndicatorSize = 13;
  static constexpr COLORREF kBorderColor = RGB(28, 81, 128);
  static RECT IndicatorRect(const RECT& client);

 private:
  void Paint();

  bool checked_ = false;
  bool pressed_ = false;
  COLORREF markColor_ = RGB(0, 0, 0);
};

}  // namespace vantrel
