#pragma once

#include <functional>

#include "framework/Component.h"
#include "framework/MessageWindow.h"

namespace vantrel {

// Raises onTimer on the GUI thread every interval while enabled. Enabling it
// again starts a whole new interval.
class Timer final : public Component {
 public:
  explicit Timer(Component* owner, unsigned intervalMs = 1000);
  ~Timer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  std::function<void()> onTimer;

 private:
  void Restart();

  MessageWindow window_;
  unsigned intervalMs_;
  bool enabled_ = true;
};

}  // namespace vantrel
