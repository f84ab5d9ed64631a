#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Timer.h"

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

// Calls `tick` every `intervalMs` on this thread, from whatever message loop
// turns (modal loops included), for the lifetime of the object.
class ThreadTimer final {
 public:
  ThreadTimer(unsigned intervalMs, std::function<void()> tick) : timer_(nullptr, intervalMs) {
    timer_.onTimer = std::move(tick);
  }

 private:
  Timer timer_;
};

// Watches for the standard error boxes (caption "Vantrel") that this thread
// shows; records each one's text and closes it. It looks from a timer, which
// runs inside the box's own modal loop.
class ErrorBoxWatcher final {
 public:
  const std::vector<std::string>& Texts() const { return texts_; }

 private:
  // The message text of a message box.
  static constexpr int kTextId = 0xFFFF;

  static BOOL CALLBACK Inspect(HWND window, LPARAM context) {
    auto* self = reinterpret_cast<ErrorBoxWatcher*>(context);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const HWND text = GetDlgItem(window, kTextId);
    if (IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0 && text &&
        TextOf(window) == "Vantrel" && window != self->closing_) {
      self->texts_.push_back(TextOf(text));
      self->closing_ = window;
      PostMessageA(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
  }

  HWND closing_ = nullptr;  // told to close already
  std::vector<std::string> texts_;
  ThreadTimer timer_{20, [this] {
                       EnumThreadWindows(GetCurrentThreadId(), &Inspect,
                                         reinterpret_cast<LPARAM>(this));
                     }};
};

}  // namespace vantrel
