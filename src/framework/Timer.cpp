#include "framework/Timer.h"

#include <map>

#include "framework/Application.h"

namespace vantrel {
namespace {

// The running timers by the system's ids.
std::map<UINT_PTR, Timer*>& Running() {
  static std::map<UINT_PTR, Timer*> timers;
  return timers;
}

}  // namespace

Timer::Timer(Component* owner, unsigned intervalMs) : Component(owner), intervalMs_(intervalMs) {
  Start();
}

Timer::~Timer() { Stop(); }

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Stop();
  if (enabled_) Start();
}

void Timer::Start() {
  id_ = SetTimer(nullptr, 0, intervalMs_, &Timer::Fire);
  if (id_) Running()[id_] = this;
}

void Timer::Stop() {
  if (!id_) return;
  KillTimer(nullptr, id_);
  Running().erase(id_);
  id_ = 0;
}

void CALLBACK Timer::Fire(HWND, UINT, UINT_PTR id, DWORD) {
  const auto running = Running().find(id);
  if (running == Running().end() || !running->second->onTimer) return;
  try {
    running->second->onTimer();
  } catch (...) {
    App().HandleException();
  }
}

}  // namespace vantrel
