#include "framework/ControlWindow.h"

#include "framework/Application.h"

namespace vantrel {
namespace {

// A window property rather than GWLP_USERDATA: only windows of these classes
// carry it, so a lookup on any other window finds nothing.
constexpr const char* kObjectProperty = "VantrelControlObject";

}  // namespace

LRESULT ControlWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(handle_, message, wParam, lParam);
}

ControlWindow* ControlWindow::Lookup(HWND window) {
  return window ? static_cast<ControlWindow*>(GetPropA(window, kObjectProperty)) : nullptr;
}

LRESULT ControlWindow::Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                Factory make) {
  if (message == WM_NCCREATE) {
    try {
      std::unique_ptr<ControlWindow> control = make(window);
      if (!SetPropA(window, kObjectProperty, control.get())) return FALSE;
      static_cast<void>(control.release());  // owned by the window from now on
    } catch (...) {
      App().HandleException();
      return FALSE;  // the window is not created
    }
  }
  ControlWindow* control = Lookup(window);
  if (!control) return DefWindowProcA(window, message, wParam, lParam);
  // The object goes with the window's last message.
  std::unique_ptr<ControlWindow> dying;
  if (message == WM_NCDESTROY) {
    RemovePropA(window, kObjectProperty);
    dying.reset(control);
  }
  try {
    return control->WndProc(message, wParam, lParam);
  } catch (...) {
    App().HandleException();
    return 0;
  }
}

}  // namespace vantrel
