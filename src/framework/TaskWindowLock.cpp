#include "framework/TaskWindowLock.h"

namespace vantrel {

TaskWindowLock::TaskWindowLock(HWND except) : except_(except) {
  EnumThreadWindows(GetCurrentThreadId(), &TaskWindowLock::Collect, reinterpret_cast<LPARAM>(this));
  for (HWND window : disabled_) EnableWindow(window, FALSE);
}

TaskWindowLock::~TaskWindowLock() {
  for (HWND window : disabled_) {
    if (IsWindow(window)) EnableWindow(window, TRUE);
  }
}

BOOL CALLBACK TaskWindowLock::Collect(HWND window, LPARAM context) {
  auto* self = reinterpret_cast<TaskWindowLock*>(context);
  if (window != self->except_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
    self->disabled_.push_back(window);
  }
  return TRUE;
}

}  // namespace vantrel
