#include "LayeredForm/TickWait.h"

namespace vantrel {

bool WaitForTicks(std::uint32_t delay, const std::function<std::uint32_t()>& ticks,
                  const std::function<bool(std::uint32_t)>& pause) {
  const std::uint32_t start = ticks();
  for (;;) {
    const std::uint32_t elapsed = ticks() - start;
    if (elapsed >= delay) return true;
    if (!pause(delay - elapsed)) return false;
  }
}

}  // namespace vantrel
