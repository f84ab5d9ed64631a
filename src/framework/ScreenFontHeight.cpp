#include "framework/ScreenFontHeight.h"

#include <windows.h>

#include "Main/ClockSizeRules.h"
#include "framework/WindowDC.h"

namespace vantrel {

int ScreenFontHeight(int points) {
  const WindowDC screen(nullptr);
  return CharacterHeightForPoints(points, GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

}  // namespace vantrel
