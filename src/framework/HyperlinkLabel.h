#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "framework/DialogControls.h"
#include "framework/GdiObject.h"
#include "framework/PaintedControl.h"

namespace vantrel {

// A link: its text in blue and underlined in the dialog's font, over a
// background that shows through. The pointer over the text is a hand; a
// left-button press on it opens the target with the shell's "open" action
// when the target contains "://". Failures of the shell are not reported.
class HyperlinkLabel final : public PaintedControl {
 public:
  static constexpr const char* kClassName = HYPERLINK_LABEL_CLASS;
  static constexpr COLORREF kLinkColor = RGB(0, 0, 255);

  static const char* Register();
  static HyperlinkLabel* FromHandle(HWND window) {
    return ControlWindow::FromHandle<HyperlinkLabel>(window);
  }

  explicit HyperlinkLabel(HWND handle);

  // The target a press opens: the visible text unless set otherwise.
  std::string Target() const;
  void SetTarget(std::string target);
  // The part of the control that the link text covers, in client pixels.
  RECT LinkBounds() const;

  // Raised by a press on the link, before the label opens the target itself;
  // returning false keeps it from doing so.
  std::function<bool(const std::string& target)> onAnchorClick;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void PaintContent(HDC dc) override;
  void FontChanged() override;

 private:
  bool IsOverLink(POINT pointInClient) const;
  void Open();

  GdiObject<HFONT> linkFont_;
  std::string target_;
};

}  // namespace vantrel
