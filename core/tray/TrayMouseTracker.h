#pragma once

#include <vector>

namespace vantrel {

enum class TrayButton { Left, Right, Middle };

// What the shell reports about the mouse over the notification icon.
enum class TrayReport { Move, Down, Up, DoubleClick };

enum class TrayEventKind { MouseMove, MouseDown, Click, MouseUp, DoubleClick };

struct TrayEvent {
  TrayEventKind kind = TrayEventKind::MouseMove;
  TrayButton button = TrayButton::Left;  // meaningless for MouseMove and DoubleClick
  bool doubleClick = false;              // a mouse-down raised by a double-click report
  bool operator==(const TrayEvent&) const = default;
};

// Turns the shell's mouse reports into the icon's events. A click needs a
// press and a release on the icon: the press arms its button, the release
// fires the click once. The double-click report that stands for the second
// press arms nothing, so neither it nor the release after it is a click.
class TrayMouseTracker final {
 public:
  // The events of one report, in the order they are raised. The button is
  // ignored for Move.
  std::vector<TrayEvent> Report(TrayReport report, TrayButton button);
  // Forgets half-made clicks; done whenever the icon is added or removed.
  void Disarm();

 private:
  bool leftArmed_ = false;
  bool rightArmed_ = false;
};

}  // namespace vantrel
