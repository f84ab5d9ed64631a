#include "Pref/DialogPlacement.h"

namespace vantrel {
namespace {

// Checked in this order: a start below zero becomes zero before the far edge
// is looked at.
int KeepOnScreen(int start, int dialogExtent, int screenExtent) {
  if (start < 0) return 0;
  if (start > screenExtent - dialogExtent) return screenExtent - dialogExtent;
  return start;
}

}  // namespace

ScreenPosition PreferencesPosition(const WindowBounds& clock, int dialogWidth, int dialogHeight,
                                   int screenWidth, int screenHeight) {
  return {KeepOnScreen(clock.left + clock.width - dialogWidth, dialogWidth, screenWidth),
          KeepOnScreen(clock.top + clock.height, dialogHeight, screenHeight)};
}

}  // namespace vantrel
