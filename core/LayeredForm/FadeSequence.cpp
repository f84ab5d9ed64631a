#include "LayeredForm/FadeSequence.h"

namespace vantrel {

bool RunFade(const FadeRequest& request, FadeTarget& target) {
  const int from = request.fadingIn ? 0 : 255;
  const int to = 255 - from;
  const int direction = request.fadingIn ? 1 : -1;
  target.SetAlpha(static_cast<std::uint8_t>(from));
  target.SwitchToAlphaBlend();
  // Short of the far end in the direction of travel.
  for (int alpha = from; (to - alpha) * direction > 0; alpha += direction * request.step) {
    target.SetAlpha(static_cast<std::uint8_t>(alpha));
    if (!target.Wait(static_cast<std::uint32_t>(request.delay))) return false;
  }
  target.SetAlpha(static_cast<std::uint8_t>(to));
  return true;
}

}  // namespace vantrel
