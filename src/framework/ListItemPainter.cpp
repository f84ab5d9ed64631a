#include "framework/ListItemPainter.h"

namespace vantrel {
namespace {

constexpr int kGap = 2;

}  // namespace

ListItemPainter::ListItemPainter(const DRAWITEMSTRUCT& item, HFONT font)
    : item_(item), savedState_(SaveDC(item.hDC)), free_(item.rcItem) {
  if (font) SelectObject(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(Selected() ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(Selected() ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  free_.left += kGap;
}

ListItemPainter::~ListItemPainter() {
  if (item_.itemState & ODS_FOCUS) DrawFocusRect(item_.hDC, &item_.rcItem);
  RestoreDC(item_.hDC, savedState_);
}

bool ListItemPainter::Selected() const { return (item_.itemState & ODS_SELECTED) != 0; }

RECT ListItemPainter::TakeLeft(int width) {
  RECT strip = free_;
  strip.right = strip.left + width;
  free_.left = strip.right + kGap;
  return strip;
}

void ListItemPainter::DrawText(std::string_view text) {
  ::DrawTextA(item_.hDC, text.data(), static_cast<int>(text.size()), &free_,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace vantrel
