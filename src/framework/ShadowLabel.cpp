#include "framework/ShadowLabel.h"

#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"

namespace vantrel {

const char* ShadowLabel::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<ShadowLabel>);
  return windowClass.Name();
}

ShadowLabel::ShadowLabel(HWND handle)
    : PaintedControl(handle), boldFont_(VariantOfFont(true, false)) {}

void ShadowLabel::Clicked() {
  // A copy: the handler may destroy the dialog and this label with it.
  const auto handler = onClick;
  if (handler) handler();
}

void ShadowLabel::FontChanged() { boldFont_ = VariantOfFont(true, false); }

void ShadowLabel::PaintContent(HDC dc) {
  const SelectedObject font(dc, boldFont_.Get());
  SetBkMode(dc, TRANSPARENT);
  const std::string text = Text();
  constexpr UINT kFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  RECT shadow{1, 1, Width() + 1, Height() + 1};
  SetTextColor(dc, kShadowColor);
  DrawTextA(dc, text.c_str(), -1, &shadow, kFormat);
  RECT place{0, 0, Width(), Height()};
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextA(dc, text.c_str(), -1, &place, kFormat);
}

}  // namespace vantrel
