#pragma once

#include <windows.h>

#include <functional>

#include "framework/DialogControls.h"
#include "framework/GdiObject.h"
#include "framework/PaintedControl.h"
#include "framework/SkinStrip.h"

namespace vantrel {

// A push button drawn from a skin: a strip of four images, normal, hover,
// pressed and disabled, drawn when the button is made in the colours of the
// skin chosen by the SKINNED_BUTTON_* style bits. The caption is drawn bold
// and centred on one line. The pressed image shows while the left button,
// pressed on the button, is held with the pointer over it; the hover image
// only with style SKINNED_BUTTON_HOVER. The button never takes the keyboard
// focus.
class SkinnedButton final : public PaintedControl {
 public:
  static constexpr const char* kClassName = SKINNED_BUTTON_CLASS;
  using Look = SkinStrip::Look;

  static const char* Register();
  static SkinnedButton* FromHandle(HWND window) {
    return ControlWindow::FromHandle<SkinnedButton>(window);
  }

  explicit SkinnedButton(HWND handle);

  Look CurrentLook() const;

  // Raised by a click: press and release of the left button over the button.
  std::function<void()> onClick;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc) override;
  void FontChanged() override;
  bool TracksClicks() const override { return true; }
  void ClickStateChanged() override { Invalidate(); }
  void Clicked() override;

 private:
  GdiObject<HBITMAP> strip_;
  GdiObject<HFONT> captionFont_;
  bool showsHover_;
  bool hovering_ = false;
};

}  // namespace vantrel
