#pragma once

#include <windows.h>

#include <memory>

namespace vantrel {

// A control that is a window class of its own, so that a dialog template can
// name it: every window of the class owns one object, made when the window is
// created and deleted with the window. An exception escaping a message goes
// to the standard error display.
class ControlWindow {
 public:
  virtual ~ControlWindow() = default;
  ControlWindow(const ControlWindow&) = delete;
  ControlWindow& operator=(const ControlWindow&) = delete;

  HWND Handle() const { return handle_; }

 protected:
  explicit ControlWindow(HWND handle) : handle_(handle) {}

  // Messages left unhandled go to DefWindowProcA.
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

  // The window procedure of a class whose windows each own a Derived.
  template <typename Derived>
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(window, message, wParam, lParam, &Make<Derived>);
  }

  template <typename Derived>
  static Derived* FromHandle(HWND window) {
    return dynamic_cast<Derived*>(Lookup(window));
  }

 private:
  using Factory = std::unique_ptr<ControlWindow> (*)(HWND window);

  template <typename Derived>
  static std::unique_ptr<ControlWindow> Make(HWND window) {
    return std::make_unique<Derived>(window);
  }
  static ControlWindow* Lookup(HWND window);
  static LRESULT Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam, Factory make);

  HWND handle_;
};

}  // namespace vantrel
