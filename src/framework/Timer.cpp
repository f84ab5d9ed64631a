#include "framework/Timer.h"

namespace vantrel {
namespace {

constexpr UINT_PTR kTimerId = 1;

}  // namespace

Timer::Timer(Component* owner, unsigned intervalMs)
    : Component(owner),
      window_([this](UINT message, WPARAM, LPARAM, LRESULT&) {
        if (message != WM_TIMER) return false;
        if (onTimer) onTimer();
        return true;
      }),
      intervalMs_(intervalMs) {
  Restart();
}

Timer::~Timer() { KillTimer(window_.Handle(), kTimerId); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void Timer::Restart() {
  KillTimer(window_.Handle(), kTimerId);
  if (enabled_) SetTimer(window_.Handle(), kTimerId, intervalMs_, nullptr);
}

}  // namespace vantrel
