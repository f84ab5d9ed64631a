#pragma once

#include <windows.h>

#include <utility>

namespace vantrel {

// Owns one GDI object (font, brush, bitmap, pen, region) and deletes it.
template <typename Handle>
class GdiObject final {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

}  // namespace vantrel
