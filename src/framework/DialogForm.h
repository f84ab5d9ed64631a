#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

#include "framework/Component.h"
#include "framework/DialogLayout.h"
#include "framework/Exception.h"
#include "framework/GdiObject.h"

namespace vantrel {

enum class ModalResult { None = 0, Ok = IDOK, Cancel = IDCANCEL };

// A dialog window built from a DIALOGEX template whose positions and sizes
// are pixels (see DialogLayout), owned by the application window. ShowModal
// runs it like a standard modal form: every other window of the thread is
// disabled while the application's message loop turns, until a modal result
// is set or the application terminates. The dialog has no default or cancel
// key: Enter and Escape do nothing. The close box and Alt+F4 close it.
class DialogForm : public Component {
 public:
  // Registers the window class of a control, returning its name.
  using ControlRegistration = const char* (*)();
  enum class Position { Designed, ScreenCenter };

  ~DialogForm() override;

  HWND Handle() const { return handle_; }
  std::string Caption() const;
  int Left() const;
  int Top() const;
  // The outer size, frame and title bar included.
  int Width() const;
  int Height() const;
  void SetPlace(int left, int top);
  // ScreenCenter centres the dialog on the screen each time it is shown.
  void SetPosition(Position position) { position_ = position; }

  ModalResult ShowModal();
  // Ends a modal run with the cancel result; otherwise hides the dialog.
  void Close();
  ModalResult GetModalResult() const { return modalResult_; }
  void SetModalResult(ModalResult result) { modalResult_ = result; }

 protected:
  // Creates the dialog from template `templateId` of the executable. The
  // framework's painted controls are always registered; `controlClasses`
  // names further classes that the template uses.
  DialogForm(Component* owner, int templateId,
             std::initializer_list<ControlRegistration> controlClasses = {});

  // A message of the dialog before the handling here; true when handled, with
  // `result` the dialog procedure's answer.
  virtual bool DialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  // The control with `id`, which must be of class Control.
  template <typename Control>
  Control* Item(int id) const {
    Control* control = Control::FromHandle(GetDlgItem(handle_, id));
    if (!control) throw Exception("Dialog control " + std::to_string(id) + " is missing");
    return control;
  }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  RECT Bounds() const;
  void CenterOnScreen();
  void ApplyFont(const DialogLayout::FontSpec& spec);

  // The template's font as it asks for it, character set included (the
  // system's dialog manager may ignore that); given to every control.
  GdiObject<HFONT> font_;
  HWND handle_ = nullptr;
  Position position_ = Position::Designed;
  ModalResult modalResult_ = ModalResult::None;
  bool modal_ = false;
};

}  // namespace vantrel
