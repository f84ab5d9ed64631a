#pragma once

#include <utility>

#include "framework/LiveResources.h"

namespace vantrel {

// Owns one system handle, releases it with `Release` and keeps the live count
// of its kind.
template <typename Handle, auto Release, LiveResource Kind>
class OwnedHandle final {
 public:
  OwnedHandle() = default;
  explicit OwnedHandle(Handle handle) { Reset(handle); }
  ~OwnedHandle() { Reset(); }
  OwnedHandle(OwnedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  OwnedHandle& operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  OwnedHandle(const OwnedHandle&) = delete;
  OwnedHandle& operator=(const OwnedHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) {
      Release(handle_);
      LiveResources::Released(Kind);
    }
    handle_ = handle;
    if (handle_) LiveResources::Acquired(Kind);
  }

 private:
  Handle handle_ = nullptr;
};

}  // namespace vantrel
