#include "framework/Win32Color.h"

#include "framework/ColorPixel.h"

namespace vantrel {

COLORREF ColorRefFor(TColor color) {
  return PixelForColor(color, [](int index) -> Pixel { return GetSysColor(index); });
}

}  // namespace vantrel
