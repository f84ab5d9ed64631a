#include "LayeredForm/FadeRequest.h"

#include <algorithm>

namespace vantrel {

FadeRequest BoundedFadeRequest(bool fadingIn, std::int32_t delay, std::uint8_t step) {
  return {fadingIn, std::max<std::uint8_t>(step, 1), std::max(delay, 0)};
}

}  // namespace vantrel
