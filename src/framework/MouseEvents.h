#pragma once

#include <functional>

namespace vantrel {

enum class MouseButton { Left, Right, Middle };

// The pointer events a form or one of its controls raises, in client
// coordinates of the receiver.
struct MouseEvents {
  std::function<void(MouseButton button, int x, int y)> onDown;
  std::function<void(int x, int y)> onMove;
  std::function<void(MouseButton button, int x, int y)> onUp;
  std::function<void()> onDoubleClick;
};

}  // namespace vantrel
