#include "framework/RadioButton.h"

#include <algorithm>
#include <iterator>

#include "framework/GdiObject.h"
#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

constexpr int kDotSize = 5;

void FillEllipse(HDC dc, const RECT& bounds, COLORREF fill, COLORREF border) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, border));
  const SelectedObject brushIn(dc, brush.Get());
  const SelectedObject penIn(dc, pen.Get());
  Ellipse(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

}  // namespace

const char* RadioButton::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<RadioButton>);
  return windowClass.Name();
}

RadioButton::RadioButton(HWND handle) : IndicatorButton(handle) { SetTabStop(false); }

std::vector<RadioButton*> RadioButton::Group() const {
  std::vector<RadioButton*> group;
  for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling;
       sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (RadioButton* radio = FromHandle(sibling)) group.push_back(radio);
  }
  return group;
}

void RadioButton::SetTabStop(bool on) {
  const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  SetWindowLongPtrA(Handle(), GWL_STYLE,
                    on ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP)));
}

void RadioButton::SetChecked(bool checked) {
  if (checked) {
    for (RadioButton* other : Group()) {
      if (other != this) other->SetChecked(false);
    }
  }
  SetTabStop(checked);
  IndicatorButton::SetChecked(checked);
}

void RadioButton::Clicked() { SetChecked(true); }

void RadioButton::FocusNeighbour(int step) {
  const std::vector<RadioButton*> group = Group();
  const auto self = std::find(group.begin(), group.end(), this);
  if (group.size() < 2 || self == group.end()) return;
  const auto count = static_cast<std::ptrdiff_t>(group.size());
  const auto next = (std::distance(group.begin(), self) + step + count) % count;
  SetFocus(group[static_cast<std::size_t>(next)]->Handle());
}

LRESULT RadioButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETFOCUS:
      SetChecked(true);
      break;
    case WM_KEYDOWN:
      if (wParam == VK_DOWN || wParam == VK_RIGHT) FocusNeighbour(1);
      if (wParam == VK_UP || wParam == VK_LEFT) FocusNeighbour(-1);
      return 0;
    default:
      break;
  }
  return IndicatorButton::WndProc(message, wParam, lParam);
}

void RadioButton::DrawIndicator(HDC dc, const RECT& client) const {
  const RECT ring = IndicatorRect(client);
  FillEllipse(dc, ring, RGB(255, 255, 255), kBorderColor);
  if (!Checked()) return;
  const int inset = (kIndicatorSize - kDotSize) / 2;
  const RECT dot{ring.left + inset, ring.top + inset, ring.left + inset + kDotSize,
                 ring.top + inset + kDotSize};
  FillEllipse(dc, dot, MarkColor(), MarkColor());
}

}  // namespace vantrel
