#pragma once

#include "LayeredForm/FadeRequest.h"
#include "LayeredForm/FadeTarget.h"

namespace vantrel {

// Steps the target's alpha from one end to the other: the starting value, the
// switch to alpha blending, then every value from the start in steps of
// request.step, each followed by a wait, and finally the far end. Returns
// false when a wait asked to stop.
bool RunFade(const FadeRequest& request, FadeTarget& target);

}  // namespace vantrel
