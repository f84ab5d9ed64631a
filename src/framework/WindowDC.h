#pragma once

#include <windows.h>

#include <utility>

#include "framework/LiveResources.h"

namespace vantrel {

// A device context from GetDC, released with the window it came from. A null
// window gives the whole screen.
class WindowDC final {
 public:
  WindowDC() = default;
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {
    if (dc_) LiveResources::Acquired(LiveResource::DeviceContext);
  }
  ~WindowDC() { Release(); }
  WindowDC(WindowDC&& other) noexcept
      : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDC& operator=(WindowDC&& other) noexcept {
    if (this != &other) {
      Release();
      window_ = std::exchange(other.window_, nullptr);
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  void Release() {
    if (dc_) {
      ReleaseDC(window_, dc_);
      LiveResources::Released(LiveResource::DeviceContext);
    }
    dc_ = nullptr;
  }

  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

}  // namespace vantrel
