#pragma once

#include <cstdint>

namespace vantrel {

// What a fade drives, one call after the other in the fade's order.
class FadeTarget {
 public:
  virtual ~FadeTarget() = default;
  virtual void SetAlpha(std::uint8_t alpha) = 0;
  virtual void SwitchToAlphaBlend() = 0;
  // Pauses at least `delay` milliseconds; false when the fade is to stop.
  virtual bool Wait(std::uint32_t delay) = 0;
};

}  // namespace vantrel
