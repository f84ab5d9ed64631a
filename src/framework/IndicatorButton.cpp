#include "framework/IndicatorButton.h"

#include "framework/PaintScope.h"
#include "framework/Win32Color.h"

namespace vantrel {

void IndicatorButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void IndicatorButton::SetMarkColor(TColor color) {
  markColor_ = ColorRefFor(color);
  InvalidateRect(Handle(), nullptr, TRUE);
}

RECT IndicatorButton::IndicatorRect(const RECT& client) {
  const int left = (client.right - kIndicatorSize) / 2;
  const int top = (client.bottom - kIndicatorSize) / 2;
  return {left, top, left + kIndicatorSize, top + kIndicatorSize};
}

void IndicatorButton::Paint() {
  const PaintScope paint(Handle());
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(paint.Dc(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIndicator(paint.Dc(), client);
  if (GetFocus() == Handle()) DrawFocusRect(paint.Dc(), &client);
}

LRESULT IndicatorButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
      SetFocus(Handle());
      SetCapture(Handle());
      pressed_ = true;
      return 0;
    case WM_LBUTTONUP: {
      if (!pressed_) return 0;
      pressed_ = false;
      ReleaseCapture();
      RECT client;
      GetClientRect(Handle(), &client);
      const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (PtInRect(&client, at)) Clicked();
      return 0;
    }
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_CHAR:
      if (wParam == ' ') Clicked();
      return 0;
    default:
      return ControlWindow::WndProc(message, wParam, lParam);
  }
}

}  // namespace vantrel
