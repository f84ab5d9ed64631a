#pragma once

#include "framework/Exception.h"

namespace vantrel {

// A settings write that the file system refused.
class EIniFileException final : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace vantrel
