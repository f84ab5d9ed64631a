#pragma once

#include <windows.h>

#include <functional>

namespace vantrel {

// A hidden message-only window that hands every message to one handler;
// timers and notification callbacks need a window of their own.
class MessageWindow final {
 public:
  // Returns true when the message was handled; others go to DefWindowProc.
  using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  explicit MessageWindow(Handler handler, bool messageOnly = true);
  ~MessageWindow();
  MessageWindow(const MessageWindow&) = delete;
  MessageWindow& operator=(const MessageWindow&) = delete;

  HWND Handle() const { return handle_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  Handler handler_;
  HWND handle_ = nullptr;
};

}  // namespace vantrel
