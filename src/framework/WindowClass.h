#pragma once

#include <windows.h>

namespace vantrel {

// A registered window class, unregistered when the program lets go of it.
class WindowClass final {
 public:
  WindowClass(const char* name, WNDPROC procedure, UINT style = 0,
              HCURSOR cursor = LoadCursor(nullptr, IDC_ARROW), HICON icon = nullptr);
  ~WindowClass();
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;

  const char* Name() const { return name_; }

 private:
  const char* name_;
  ATOM atom_;
};

}  // namespace vantrel
