#include "framework/HyperlinkLabel.h"

#include <windowsx.h>

#include "framework/SelectedObject.h"
#include "framework/Shell.h"
#include "framework/WindowClass.h"
#include "framework/WindowDC.h"

namespace vantrel {
namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

}  // namespace

const char* HyperlinkLabel::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<HyperlinkLabel>);
  return windowClass.Name();
}

HyperlinkLabel::HyperlinkLabel(HWND handle)
    : PaintedControl(handle), linkFont_(VariantOfFont(false, true)) {}

std::string HyperlinkLabel::Target() const { return target_.empty() ? Text() : target_; }

void HyperlinkLabel::SetTarget(std::string target) { target_ = std::move(target); }

void HyperlinkLabel::FontChanged() {
  linkFont_ = VariantOfFont(false, true);
  Invalidate();
}

RECT HyperlinkLabel::LinkBounds() const {
  const WindowDC dc(Handle());
  const SelectedObject font(dc.Get(), linkFont_.Get());
  const std::string text = Text();
  RECT bounds{0, 0, Width(), Height()};
  DrawTextA(dc.Get(), text.c_str(), -1, &bounds, kTextFormat | DT_CALCRECT);
  const RECT client{0, 0, Width(), Height()};
  IntersectRect(&bounds, &bounds, &client);
  return bounds;
}

bool HyperlinkLabel::IsOverLink(POINT pointInClient) const {
  const RECT link = LinkBounds();
  return PtInRect(&link, pointInClient) != FALSE;
}

void HyperlinkLabel::Open() {
  const std::string target = Target();
  // A copy: the handler may destroy the dialog and this label with it.
  const auto handler = onAnchorClick;
  if (handler && !handler(target)) return;
  if (target.find("://") != std::string::npos) {
    Shell::Open(target.c_str());
  }
}

LRESULT HyperlinkLabel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR: {
      POINT pointer;
      GetCursorPos(&pointer);
      ScreenToClient(Handle(), &pointer);
      if (LOWORD(lParam) == HTCLIENT && IsOverLink(pointer)) {
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDOWN:
      if (IsOverLink(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})) {
        Open();
        return 0;
      }
      break;
  }
  return PaintedControl::WndProc(message, wParam, lParam);
}

void HyperlinkLabel::PaintContent(HDC dc) {
  const SelectedObject font(dc, linkFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kLinkColor);
  const std::string text = Text();
  RECT place{0, 0, Width(), Height()};
  DrawTextA(dc, text.c_str(), -1, &place, kTextFormat);
}

}  // namespace vantrel
