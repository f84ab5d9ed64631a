#include "framework/ColorComboBox.h"

#include <string>

#include "Pref/ColorChoices.h"
#include "framework/GdiObject.h"
#include "framework/ListItemPainter.h"
#include "framework/Win32Color.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

constexpr int kSwatchWidth = 20;

}  // namespace

const char* ColorComboBox::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<ColorComboBox>);
  return windowClass.Name();
}

ColorComboBox::ColorComboBox(HWND handle)
    : HostedComboBox(handle, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS) {}

LRESULT ColorComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = HostedComboBox::WndProc(message, wParam, lParam);
  if (message == WM_CREATE && result == 0) {
    for (const ColorName& color : OfferedColors()) {
      const std::string name(color.name);
      SendMessageA(Combo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
  }
  return result;
}

std::string ColorComboBox::GetSelectedColorName() const {
  const int index = ItemIndex();
  return index < 0 ? std::string() : ItemText(index);
}

void ColorComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  ListItemPainter painter(item, Font());
  const auto colors = OfferedColors();
  if (item.itemID >= colors.size()) return;
  const ColorName& color = colors[item.itemID];
  RECT swatch = painter.TakeLeft(kSwatchWidth);
  InflateRect(&swatch, 0, -2);
  DrawEdge(item.hDC, &swatch, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  const GdiObject<HBRUSH> brush(CreateSolidBrush(ColorRefFor(color.value)));
  FillRect(item.hDC, &swatch, brush.Get());
  painter.DrawText(ColorCaption(color.name));
}

}  // namespace vantrel
