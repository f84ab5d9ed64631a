#pragma once

namespace vantrel {

struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const WindowBounds&) const = default;
};

struct ScreenPosition {
  int left = 0;
  int top = 0;
  bool operator==(const ScreenPosition&) const = default;
};

// Where the Preferences dialog opens: its top edge on the clock's bottom edge
// and its right edge on the clock's right edge, each kept within 0 .. screen -
// dialog. `dialogWidth` and `dialogHeight` are the outer size, frame and title
// bar included.
ScreenPosition PreferencesPosition(const WindowBounds& clock, int dialogWidth, int dialogHeight,
                                   int screenWidth, int screenHeight);

}  // namespace vantrel
