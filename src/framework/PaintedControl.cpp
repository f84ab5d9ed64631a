#include "framework/PaintedControl.h"

#include <windowsx.h>

#include <utility>
#include <vector>

#include "framework/MemoryDC.h"
#include "framework/PaintScope.h"
#include "framework/SelectedObject.h"

namespace vantrel {
namespace {

RECT BoundsInParent(HWND window) {
  RECT bounds;
  GetWindowRect(window, &bounds);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&bounds), 2);
  return bounds;
}

}  // namespace

PaintedControl::PaintedControl(HWND handle) : ControlWindow(handle) {
  // Painted controls overlap (labels on a panel): each one paints only where
  // no sibling above it lies, and draws what lies beneath itself.
  SetWindowLongPtrA(handle, GWL_STYLE, GetWindowLongPtrA(handle, GWL_STYLE) | WS_CLIPSIBLINGS);
}

std::string PaintedControl::Text() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void PaintedControl::SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

int PaintedControl::Width() const {
  RECT client;
  GetClientRect(Handle(), &client);
  return client.right;
}

int PaintedControl::Height() const {
  RECT client;
  GetClientRect(Handle(), &client);
  return client.bottom;
}

void PaintedControl::Invalidate() const { InvalidateRect(Handle(), nullptr, FALSE); }

HFONT PaintedControl::Font() const {
  return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

GdiObject<HFONT> PaintedControl::VariantOfFont(bool bold, bool underline) const {
  LOGFONTA font{};
  GetObjectA(Font(), sizeof font, &font);
  if (bold) font.lfWeight = FW_BOLD;
  if (underline) font.lfUnderline = TRUE;
  return GdiObject<HFONT>(CreateFontIndirectA(&font));
}

void PaintedControl::PaintTo(HDC target) {
  const int width = Width();
  const int height = Height();
  if (width <= 0 || height <= 0) return;
  const MemoryDC buffer(target);
  const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(target, width, height));
  const SelectedObject selected(buffer.Get(), bitmap.Get());
  PaintBackdrop(buffer.Get());
  PaintContent(buffer.Get());
  BitBlt(target, 0, 0, width, height, buffer.Get(), 0, 0, SRCCOPY);
}

void PaintedControl::PaintBackdrop(HDC dc) const {
  const RECT client{0, 0, Width(), Height()};
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  const RECT own = BoundsInParent(Handle());
  std::vector<std::pair<PaintedControl*, RECT>> beneath;
  for (HWND sibling = GetWindow(Handle(), GW_HWNDNEXT); sibling;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    PaintedControl* control = FromHandle<PaintedControl>(sibling);
    const RECT bounds = BoundsInParent(sibling);
    RECT overlap;
    if (control && IsWindowVisible(sibling) && IntersectRect(&overlap, &own, &bounds)) {
      beneath.emplace_back(control, bounds);
    }
  }
  // The lowest first, each at its place relative to this control.
  for (auto it = beneath.rbegin(); it != beneath.rend(); ++it) {
    const auto& [control, bounds] = *it;
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, bounds.left - own.left, bounds.top - own.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->PaintContent(dc);
    RestoreDC(dc, saved);
  }
}

bool PaintedControl::IsInside(LPARAM pointInClient) const {
  const POINT point{GET_X_LPARAM(pointInClient), GET_Y_LPARAM(pointInClient)};
  RECT client;
  GetClientRect(Handle(), &client);
  return PtInRect(&client, point) != FALSE;
}

bool PaintedControl::TrackClick(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      SetCapture(Handle());
      held_ = true;
      pointerOver_ = true;
      ClickStateChanged();
      break;
    case WM_MOUSEMOVE:
      if (held_ && IsInside(lParam) != pointerOver_) {
        pointerOver_ = !pointerOver_;
        ClickStateChanged();
      }
      break;
    case WM_LBUTTONUP:
      if (held_) {
        const bool click = IsInside(lParam);
        held_ = false;
        ReleaseCapture();
        ClickStateChanged();
        if (click) {
          Clicked();
          return true;
        }
      }
      break;
    case WM_CAPTURECHANGED:
      if (held_) {
        held_ = false;
        ClickStateChanged();
      }
      break;
  }
  return false;
}

LRESULT PaintedControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      const PaintScope paint(Handle());
      PaintTo(paint.Dc());
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the buffered paint covers everything
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      FontChanged();
      if (LOWORD(lParam)) Invalidate();
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETTEXT:
    case WM_ENABLE: {
      const LRESULT result = ControlWindow::WndProc(message, wParam, lParam);
      Invalidate();
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      if (TracksClicks() && TrackClick(message, lParam)) return 0;
      break;
  }
  return ControlWindow::WndProc(message, wParam, lParam);
}

}  // namespace vantrel
