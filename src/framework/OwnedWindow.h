#pragma once

#include <windows.h>

#include <utility>

namespace vantrel {

// A window that its owner object destroys with itself.
class OwnedWindow final {
 public:
  OwnedWindow() = default;
  explicit OwnedWindow(HWND window) : window_(window) {}
  ~OwnedWindow() {
    if (window_) DestroyWindow(window_);
  }
  OwnedWindow(OwnedWindow&& other) noexcept : window_(std::exchange(other.window_, nullptr)) {}
  OwnedWindow& operator=(OwnedWindow&& other) noexcept {
    std::swap(window_, other.window_);
    return *this;
  }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

  HWND Get() const { return window_; }

 private:
  HWND window_ = nullptr;
};

}  // namespace vantrel
