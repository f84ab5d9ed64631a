#include "framework/SkinnedButton.h"

#include <cstddef>
#include <cstring>

#include "framework/Exception.h"
#include "framework/MemoryDC.h"
#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

// The strip of the button's skin as a top-down 32-bit bitmap with
// premultiplied alpha, ready for GdiAlphaBlend.
GdiObject<HBITMAP> DrawSkin(HWND button) {
  const auto skin =
      static_cast<std::size_t>(GetWindowLongPtrA(button, GWL_STYLE) & SKINNED_BUTTON_SKIN_MASK);
  if (skin >= SkinStrip::kSkins.size()) throw Exception("Unknown button skin");
  const SkinStrip strip(SkinStrip::kSkins[skin]);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = SkinStrip::kImageWidth;
  info.bmiHeader.biHeight = -SkinStrip::kHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) throw Exception("The button skin could not be drawn");
  std::memcpy(bits, strip.Pixels().data(), strip.Pixels().size_bytes());
  return bitmap;
}

}  // namespace

const char* SkinnedButton::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<SkinnedButton>);
  return windowClass.Name();
}

SkinnedButton::SkinnedButton(HWND handle)
    : PaintedControl(handle),
      strip_(DrawSkin(handle)),
      captionFont_(VariantOfFont(true, false)),
      showsHover_((GetWindowLongPtrA(handle, GWL_STYLE) & SKINNED_BUTTON_HOVER) != 0) {
  // No tab stop, and a click never focuses it.
  SetWindowLongPtrA(handle, GWL_STYLE, GetWindowLongPtrA(handle, GWL_STYLE) & ~WS_TABSTOP);
}

SkinnedButton::Look SkinnedButton::CurrentLook() const {
  if (!IsWindowEnabled(Handle())) return Look::Disabled;
  if (Pressed()) return Look::Pressed;
  if (showsHover_ && hovering_) return Look::Hover;
  return Look::Normal;
}

void SkinnedButton::FontChanged() { captionFont_ = VariantOfFont(true, false); }

void SkinnedButton::Clicked() {
  // A copy: the handler may destroy the dialog and this button with it.
  const auto handler = onClick;
  if (handler) handler();
}

LRESULT SkinnedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (showsHover_ && message == WM_MOUSEMOVE && !hovering_) {
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, Handle(), 0};
    hovering_ = TrackMouseEvent(&leave) != FALSE;
    Invalidate();
  } else if (message == WM_MOUSELEAVE) {
    hovering_ = false;
    Invalidate();
  }
  return PaintedControl::WndProc(message, wParam, lParam);
}

void SkinnedButton::PaintContent(HDC dc) {
  {
    const MemoryDC images(dc);
    const SelectedObject selected(images.Get(), strip_.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(dc, 0, 0, Width(), Height(), images.Get(), 0,
                  static_cast<int>(CurrentLook()) * SkinStrip::kImageHeight, SkinStrip::kImageWidth,
                  SkinStrip::kImageHeight, blend);
  }
  const SelectedObject font(dc, captionFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(IsWindowEnabled(Handle()) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  RECT caption{0, 0, Width(), Height()};
  if (Pressed()) OffsetRect(&caption, 1, 1);
  const std::string text = Text();
  DrawTextA(dc, text.c_str(), -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace vantrel
