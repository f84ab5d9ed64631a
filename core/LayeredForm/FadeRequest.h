#pragma once

#include <cstdint>

namespace vantrel {

// The parameters of one fade.
struct FadeRequest {
  bool fadingIn = false;
  std::uint8_t step = 0;   // change of alpha per step
  std::int32_t delay = 0;  // pause after each step, in milliseconds
  bool operator==(const FadeRequest&) const = default;
};

// A request that ends: a step of 0 would never reach the far end, so it moves
// by 1; a negative delay would be weeks as an unsigned count, so it is 0.
FadeRequest BoundedFadeRequest(bool fadingIn, std::int32_t delay, std::uint8_t step);

}  // namespace vantrel
