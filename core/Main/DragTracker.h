#pragma once

#include <optional>

namespace vantrel {

struct Offset {
  int dx = 0;
  int dy = 0;
  bool operator==(const Offset&) const = default;
};

// The clock's drag state. The window moves on every seventh pointer move while
// a button is held, and once more at the release, so that the spot grabbed at
// the press ends under the pointer.
class DragTracker final {
 public:
  static constexpr int kMovesPerStep = 7;

  void Press(int x, int y);
  // The shift to apply to the window, when this move completes a step.
  [[nodiscard]] std::optional<Offset> Move(int x, int y);
  // Ends the drag; the shift that puts the grab point under (x, y). A release
  // without a press uses the last grab point.
  Offset Release(int x, int y);

  bool dragging() const { return dragging_; }
  int moveCount() const { return moveCount_; }
  int dragX() const { return dragX_; }
  int dragY() const { return dragY_; }

 private:
  int dragX_ = 0;
  int dragY_ = 0;
  bool dragging_ = false;
  int moveCount_ = 0;
};

}  // namespace vantrel
