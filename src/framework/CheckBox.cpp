#include "framework/CheckBox.h"

#include "framework/GdiObject.h"
#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"

namespace vantrel {

const char* CheckBox::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<CheckBox>);
  return windowClass.Name();
}

void CheckBox::DrawIndicator(HDC dc, const RECT& client) const {
  const RECT box = IndicatorRect(client);
  const GdiObject<HBRUSH> border(CreateSolidBrush(kBorderColor));
  FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  FrameRect(dc, &box, border.Get());
  if (!Checked()) return;
  // A tick three pixels thick: down-right from the left, then up to the right.
  const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, MarkColor()));
  const SelectedObject penIn(dc, pen.Get());
  for (int row = 0; row < 3; ++row) {
    const POINT tick[] = {{box.left + 3, box.top + 5 + row},
                          {box.left + 5, box.top + 7 + row},
                          {box.left + 10, box.top + 2 + row}};
    Polyline(dc, tick, 3);
  }
}

}  // namespace vantrel
