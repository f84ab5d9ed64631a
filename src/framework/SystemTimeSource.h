#pragma once

#include "framework/LocalDateTime.h"

namespace vantrel {

// The local time of the machine.
class SystemTimeSource final : public TimeSource {
 public:
  LocalDateTime Now() override;
  static SystemTimeSource& Instance();
};

}  // namespace vantrel
