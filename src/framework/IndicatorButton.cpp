#include "framework/IndicatorButton.h"

#include "framework/Win32Color.h"

namespace vantrel {

void IndicatorButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Invalidate();
}

void IndicatorButton::SetMarkColor(TColor color) {
  markColor_ = ColorRefFor(color);
  Invalidate();
}

RECT IndicatorButton::IndicatorRect(const RECT& client) {
  const int left = (client.right - kIndicatorSize) / 2;
  const int top = (client.bottom - kIndicatorSize) / 2;
  return {left, top, left + kIndicatorSize, top + kIndicatorSize};
}

void IndicatorButton::PaintContent(HDC dc) {
  const RECT client{0, 0, Width(), Height()};
  FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIndicator(dc, client);
  if (GetFocus() == Handle()) DrawFocusRect(dc, &client);
}

LRESULT IndicatorButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(Handle());
      break;
    case WM_CHAR:
      if (wParam == ' ') Clicked();
      return 0;
    default:
      break;
  }
  return PaintedControl::WndProc(message, wParam, lParam);
}

}  // namespace vantrel
