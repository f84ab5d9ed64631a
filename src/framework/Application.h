#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "framework/Component.h"

namespace vantrel {

class Win32Form;

// The program's application object: the hidden application window that stands
// for the program in the taskbar, the main form, the message loop and the
// standard error display. One per process, reached through App().
class Application final : public Component {
 public:
  Application();
  ~Application() override;

  // Creates the application window.
  void Initialize();
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  HWND Handle() const { return handle_; }

  // Creates a form owned by the application, storing it in `reference` while
  // its constructor runs and resetting the reference when it fails. The first
  // form created becomes the main form.
  template <typename FormClass, typename... Args>
  void CreateForm(FormClass*& reference, Args&&... args) {
    reference = static_cast<FormClass*>(::operator new(sizeof(FormClass)));
    try {
      new (reference) FormClass(this, std::forward<Args>(args)...);
    } catch (...) {
      ::operator delete(reference);
      reference = nullptr;
      throw;
    }
    if (!mainForm_) mainForm_ = reference;
  }
  Win32Form* MainForm() const { return mainForm_; }

  // Shows the main form and dispatches messages until the program terminates.
  void Run();
  // Dispatches one message, waiting for it; sets Terminated on WM_QUIT.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // The standard error display for the exception being handled; called from
  // every catch site of the message loop and of window procedures.
  void HandleException();
  void ShowException(const std::exception& error);

 private:
  HWND handle_ = nullptr;
  std::string title_;
  Win32Form* mainForm_ = nullptr;
  bool terminated_ = false;
};

// The application object of this process.
Application& App();

}  // namespace vantrel
