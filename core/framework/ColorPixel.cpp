#include "framework/ColorPixel.h"

namespace vantrel {

Pixel PixelForColor(TColor color, const std::function<Pixel(int)>& systemColor) {
  if (color < 0) return systemColor(color & 0xFF);
  if (color == clNone) return kNoneColorPixel;
  if (color == clDefault) return 0;
  return static_cast<Pixel>(color) & 0x00FFFFFFu;
}

}  // namespace vantrel
