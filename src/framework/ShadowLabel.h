#pragma once

#include <windows.h>

#include <functional>

#include "framework/DialogControls.h"
#include "framework/GdiObject.h"
#include "framework/PaintedControl.h"

namespace vantrel {

// A label of fixed size: its text on one line in the dialog's font made bold,
// left-aligned and vertically centred, over a light grey shadow one pixel to
// the right and below. The background shows through.
class ShadowLabel final : public PaintedControl {
 public:
  static constexpr const char* kClassName = SHADOW_LABEL_CLASS;
  static constexpr COLORREF kShadowColor = RGB(195, 195, 195);

  static const char* Register();
  static ShadowLabel* FromHandle(HWND window) {
    return ControlWindow::FromHandle<ShadowLabel>(window);
  }

  explicit ShadowLabel(HWND handle);

  // Raised by a left-button click on the label; none by default.
  std::function<void()> onClick;

 protected:
  void PaintContent(HDC dc) override;
  void FontChanged() override;
  bool TracksClicks() const override { return static_cast<bool>(onClick); }
  void Clicked() override;

 private:
  GdiObject<HFONT> boldFont_;
};

}  // namespace vantrel
