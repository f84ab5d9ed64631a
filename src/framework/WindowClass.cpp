#include "framework/WindowClass.h"

namespace vantrel {

WindowClass::WindowClass(const char* name, WNDPROC procedure, UINT style, HCURSOR cursor,
                         HICON icon)
    : name_(name) {
  WNDCLASSA windowClass{};
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = cursor;
  windowClass.hIcon = icon;
  windowClass.lpszClassName = name;
  atom_ = RegisterClassA(&windowClass);
}

WindowClass::~WindowClass() {
  if (atom_) UnregisterClassA(name_, GetModuleHandleA(nullptr));
}

}  // namespace vantrel
