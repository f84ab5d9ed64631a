#pragma once

#include <windows.h>

#include "framework/DialogControls.h"
#include "framework/GdiObject.h"
#include "framework/PaintedControl.h"

namespace vantrel {

// A panel tiled with fine horizontal pin-stripes: a 103 x 20 pixel 24-bit
// tile whose grey rows repeat every four rows. Style STRIPED_PANEL_BEVEL adds
// a raised bevel one pixel wide. It lies beneath the other controls of its
// dialog (last in the template), which paint it through themselves.
class StripedPanel final : public PaintedControl {
 public:
  static constexpr const char* kClassName = STRIPED_PANEL_CLASS;
  static constexpr int kTileWidth = 103;
  static constexpr int kTileHeight = 20;
  // The grey level (equal red, green and blue) of each row, top first.
  static constexpr BYTE kStripeGreys[4] = {238, 230, 238, 255};

  static const char* Register();
  static StripedPanel* FromHandle(HWND window) {
    return ControlWindow::FromHandle<StripedPanel>(window);
  }

  explicit StripedPanel(HWND handle);

 protected:
  void PaintContent(HDC dc) override;

 private:
  GdiObject<HBITMAP> tile_;
};

}  // namespace vantrel
