#pragma once

#include <windows.h>

namespace vantrel {

// A memory device context compatible with another, deleted with this object.
class MemoryDC final {
 public:
  explicit MemoryDC(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
  ~MemoryDC() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;

  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace vantrel
