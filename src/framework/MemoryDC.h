#pragma once

#include <windows.h>

#include "framework/LiveResources.h"

namespace vantrel {

// A memory device context compatible with another, deleted with this object.
class MemoryDC final {
 public:
  explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {
    if (dc_) LiveResources::Acquired(LiveResource::DeviceContext);
  }
  ~MemoryDC() {
    if (dc_) {
      DeleteDC(dc_);
      LiveResources::Released(LiveResource::DeviceContext);
    }
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace vantrel
