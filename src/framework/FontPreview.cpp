#include "framework/FontPreview.h"

#include "framework/FontEnumeration.h"
#include "framework/PaintScope.h"
#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"
#include "framework/WindowDC.h"

namespace vantrel {
namespace {

constexpr int kPadding = 6;
constexpr int kGap = 2;

}  // namespace

HWND FontPreview::Create() {
  static const WindowClass windowClass(kClassName, &Procedure<FontPreview>);
  return CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, windowClass.Name(),
                         "", WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

FontPreview::FontPreview(HWND handle) : ControlWindow(handle) {}

void FontPreview::SetFace(const std::string& face) {
  if (face == face_ && font_) return;
  face_ = face;
  font_.Reset(CreateScreenFont(face_, kSamplePoints));
  InvalidateRect(Handle(), nullptr, TRUE);
}

SIZE FontPreview::SampleSize() const {
  const WindowDC dc(Handle());
  const SelectedObject font(dc.Get(), font_.Get());
  SIZE size{};
  GetTextExtentPoint32A(dc.Get(), kSampleText, lstrlenA(kSampleText), &size);
  return size;
}

void FontPreview::ShowBeside(const RECT& anchor) {
  const SIZE sample = SampleSize();
  RECT frame{0, 0, sample.cx + 2 * kPadding, sample.cy + 2 * kPadding};
  AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  int left = anchor.right + kGap;
  if (left + width > GetSystemMetrics(SM_CXSCREEN)) left = anchor.left - kGap - width;
  SetWindowPos(Handle(), HWND_TOPMOST, left, anchor.top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void FontPreview::Hide() { ShowWindow(Handle(), SW_HIDE); }

void FontPreview::Paint() {
  const PaintScope paint(Handle());
  const HDC dc = paint.Dc();
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  const SelectedObject font(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextA(dc, kSampleText, -1, &client, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

LRESULT FontPreview::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return ControlWindow::WndProc(message, wParam, lParam);
  }
}

}  // namespace vantrel
