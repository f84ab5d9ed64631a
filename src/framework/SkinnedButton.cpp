#include "framework/SkinnedButton.h"

#include "forms/ResourceIds.h"
#include "framework/Exception.h"
#include "framework/MemoryDC.h"
#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

constexpr int kSkinCount = 4;

GdiObject<HBITMAP> LoadSkin(HWND button) {
  const auto skin = GetWindowLongPtrA(button, GWL_STYLE) & SKINNED_BUTTON_SKIN_MASK;
  if (skin >= kSkinCount) throw Exception("Unknown button skin");
  const auto module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(button, GWLP_HINSTANCE));
  GdiObject<HBITMAP> strip(static_cast<HBITMAP>(LoadImageA(
      module, MAKEINTRESOURCEA(IDB_SKIN_CYAN + skin), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!strip) throw Exception("The button skin could not be loaded");
  return strip;
}

}  // namespace

const char* SkinnedButton::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<SkinnedButton>);
  return windowClass.Name();
}

SkinnedButton::SkinnedButton(HWND handle)
    : PaintedControl(handle),
      strip_(LoadSkin(handle)),
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
                  static_cast<int>(CurrentLook()) * kImageHeight, kImageWidth, kImageHeight, blend);
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
