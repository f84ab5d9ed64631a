#pragma once

#include "framework/Exception.h"

namespace vantrel {

// Misuse of the layered window component, reported at its construction.
class ELayeredFormError final : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace vantrel
