#pragma once

#include "framework/Exception.h"

namespace vantrel {

// A text that is neither a colour name nor an integer.
class EConvertError final : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace vantrel
