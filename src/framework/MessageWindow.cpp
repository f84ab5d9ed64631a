#include "framework/MessageWindow.h"

#include "framework/Application.h"
#include "framework/WindowClass.h"

namespace vantrel {

MessageWindow::MessageWindow(Handler handler, bool messageOnly) : handler_(std::move(handler)) {
  static const WindowClass windowClass("VantrelMessageWindow", &MessageWindow::Procedure);
  // A broadcast such as "TaskbarCreated" reaches only top-level windows, so a
  // caller that needs it asks for a hidden top-level window instead.
  handle_ = CreateWindowExA(0, windowClass.Name(), "", messageOnly ? 0 : WS_POPUP, 0, 0, 0, 0,
                            messageOnly ? HWND_MESSAGE : nullptr, nullptr,
                            GetModuleHandleA(nullptr), this);
}

MessageWindow::~MessageWindow() {
  if (handle_) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self && self->handler_) {
    try {
      LRESULT result = 0;
      if (self->handler_(message, wParam, lParam, result)) return result;
    } catch (...) {
      App().HandleException();
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantrel
