#include "tray/TrayMouseTracker.h"

namespace vantrel {

std::vector<TrayEvent> TrayMouseTracker::Report(TrayReport report, TrayButton button) {
  // The middle button takes part in no click.
  bool* armed = button == TrayButton::Left    ? &leftArmed_
                : button == TrayButton::Right ? &rightArmed_
                                              : nullptr;
  switch (report) {
    case TrayReport::Move:
      return {{TrayEventKind::MouseMove}};
    case TrayReport::Down:
      if (armed) *armed = true;
      return {{TrayEventKind::MouseDown, button}};
    case TrayReport::Up: {
      std::vector<TrayEvent> events;
      if (armed && *armed) {
        *armed = false;
        events.push_back({TrayEventKind::Click, button});
      }
      events.push_back({TrayEventKind::MouseUp, button});
      return events;
    }
    case TrayReport::DoubleClick: {
      const TrayEvent down{TrayEventKind::MouseDown, button, true};
      if (button == TrayButton::Left) return {{TrayEventKind::DoubleClick}, down};
      return {down};
    }
  }
  return {};
}

void TrayMouseTracker::Disarm() {
  leftArmed_ = false;
  rightArmed_ = false;
}

}  // namespace vantrel
