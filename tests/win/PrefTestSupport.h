#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vantrel {

// Dispatches this thread's messages until `done` holds or the time is up.
inline bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    if (done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
  }
}

inline std::string TextOf(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Watches, from a thread timer, for the standard error boxes (caption
// "Vantrel") this thread shows; records each one's text and closes it. The
// timer runs inside the box's own modal loop.
class ErrorBoxWatcher final {
 public:
  ErrorBoxWatcher() {
    current = this;
    timer_ = SetTimer(nullptr, 0, 20, &Tick);
  }
  ~ErrorBoxWatcher() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }
  ErrorBoxWatcher(const ErrorBoxWatcher&) = delete;
  ErrorBoxWatcher& operator=(const ErrorBoxWatcher&) = delete;

  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  // The message text of a message box.
  static constexpr int kTextId = 0xFFFF;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &Inspect, 0);
  }
  static BOOL CALLBACK Inspect(HWND window, LPARAM) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const HWND text = GetDlgItem(window, kTextId);
    if (current && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0 && text &&
        TextOf(window) == "Vantrel" && window != current->closing_) {
      current->texts_.push_back(TextOf(text));
      current->closing_ = window;
      PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
  }

  static inline ErrorBoxWatcher* current = nullptr;
  UINT_PTR timer_ = 0;
  HWND closing_ = nullptr;  // told to close already
  std::vector<std::string> texts_;
};

}  // namespace vantrel
