#include "Main/DragTracker.h"

namespace vantrel {

void DragTracker::Press(int x, int y) {
  dragX_ = x;
  dragY_ = y;
  dragging_ = true;
  moveCount_ = 0;
}

std::optional<Offset> DragTracker::Move(int x, int y) {
  if (!dragging_) {
    moveCount_ = 0;
    return std::nullopt;
  }
  if (++moveCount_ < kMovesPerStep) return std::nullopt;
  moveCount_ = 0;
  return Offset{x - dragX_, y - dragY_};
}

Offset DragTracker::Release(int x, int y) {
  dragging_ = false;
  return {x - dragX_, y - dragY_};
}

}  // namespace vantrel
