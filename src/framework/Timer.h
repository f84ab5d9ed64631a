#pragma once

#include <windows.h>

#include <functional>

#include "framework/Component.h"

namespace vantrel {

// Raises onTimer on the GUI thread every interval while enabled. Enabling it
// again starts a whole new interval. A thread timer: it needs no window, and
// every message loop of the thread turns it, modal ones included.
class Timer final : public Component {
 public:
  explicit Timer(Component* owner, unsigned intervalMs = 1000);
  ~Timer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> onTimer;

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);
  void Start();
  void Stop();

  unsigned intervalMs_;
  bool enabled_ = true;
  UINT_PTR id_ = 0;  // the system's, while running
};

}  // namespace vantrel
