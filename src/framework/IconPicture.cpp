#include "framework/IconPicture.h"

#include "framework/WindowClass.h"

namespace vantrel {

const char* IconPicture::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<IconPicture>);
  return windowClass.Name();
}

IconPicture::IconPicture(HWND handle) : PaintedControl(handle) {}

void IconPicture::LoadNamedIcon() {
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(Handle(), GWLP_HINSTANCE));
  const std::string name = Text();
  icon_.Reset(static_cast<HICON>(
      LoadImageA(module, name.c_str(), IMAGE_ICON, Width(), Height(), LR_DEFAULTCOLOR)));
  Invalidate();
}

LRESULT IconPicture::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = PaintedControl::WndProc(message, wParam, lParam);
  // The text names the icon, and the image is picked for the control's size.
  if (message == WM_CREATE || message == WM_SETTEXT || message == WM_SIZE) LoadNamedIcon();
  return result;
}

void IconPicture::PaintContent(HDC dc) {
  if (icon_) DrawIconEx(dc, 0, 0, icon_.Get(), Width(), Height(), 0, nullptr, DI_NORMAL);
}

}  // namespace vantrel
