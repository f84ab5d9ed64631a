#pragma once

#include <windows.h>

#include "config/Color.h"
#include "framework/PaintedControl.h"

namespace vantrel {

// A check indicator with no caption of its own, drawn on white: a click or
// the space bar acts on it, and it takes the focus when pressed.
class IndicatorButton : public PaintedControl {
 public:
  bool Checked() const { return checked_; }
  virtual void SetChecked(bool checked);
  // The colour of the dot or check mark.
  void SetMarkColor(TColor color);

 protected:
  explicit IndicatorButton(HWND handle) : PaintedControl(handle) {}

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc) override;
  bool TracksClicks() const override { return true; }
  // A click on the indicator or the space bar.
  void Clicked() override = 0;
  // Draws the indicator, centred in `client`.
  virtual void DrawIndicator(HDC dc, const RECT& client) const = 0;
  COLORREF MarkColor() const { return markColor_; }

  // Sizes and colours of the familiar look.
  static constexpr int kIndicatorSize = 13;
  static constexpr COLORREF kBorderColor = RGB(28, 81, 128);
  static RECT IndicatorRect(const RECT& client);

 private:
  bool checked_ = false;
  COLORREF markColor_ = RGB(0, 0, 0);
};

}  // namespace vantrel
