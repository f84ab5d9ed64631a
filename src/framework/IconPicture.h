#pragma once

#include <windows.h>

#include "framework/DialogControls.h"
#include "framework/OwnedIcon.h"
#include "framework/PaintedControl.h"

namespace vantrel {

// Shows the icon resource that its window text names ("#1" for id 1), at the
// control's own size, over a background that shows through.
class IconPicture final : public PaintedControl {
 public:
  static constexpr const char* kClassName = ICON_PICTURE_CLASS;

  static const char* Register();
  static IconPicture* FromHandle(HWND window) {
    return ControlWindow::FromHandle<IconPicture>(window);
  }

  explicit IconPicture(HWND handle);

  // The icon shown, null when the named resource does not exist.
  HICON Icon() const { return icon_.Get(); }

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc) override;

 private:
  void LoadNamedIcon();

  OwnedIcon icon_;
};

}  // namespace vantrel
