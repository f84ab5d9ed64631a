#pragma once

#include <cstdint>
#include <functional>

namespace vantrel {

// Waits until the wrapping millisecond counter `ticks` has advanced by at least
// `delay`, measured as an unsigned 32-bit difference so that a wrap of the
// counter does not matter. The counter is read at least once after the start,
// so a delay of 0 ends at that read. In between, `pause(remaining)` may sleep
// up to the given milliseconds and returns false to give up the wait.
bool WaitForTicks(std::uint32_t delay, const std::function<std::uint32_t()>& ticks,
                  const std::function<bool(std::uint32_t)>& pause);

}  // namespace vantrel
