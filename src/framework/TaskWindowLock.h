#pragma once

#include <windows.h>

#include <vector>

namespace vantrel {

// Disables every visible, enabled top-level window of this thread except the
// one given, for one scope, as a modal box or dialog needs; enables them again
// on leaving.
class TaskWindowLock final {
 public:
  explicit TaskWindowLock(HWND except = nullptr);
  ~TaskWindowLock();
  TaskWindowLock(const TaskWindowLock&) = delete;
  TaskWindowLock& operator=(const TaskWindowLock&) = delete;

 private:
  static BOOL CALLBACK Collect(HWND window, LPARAM context);

  HWND except_;
  std::vector<HWND> disabled_;
};

}  // namespace vantrel
