#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "framework/HostedComboBox.h"
#include "framework/PickerControls.h"

namespace vantrel {

class FontComboBox;

// An editable box of font sizes, linked to a face box: it lists the sizes of
// the selected face and takes digits only. When the focus moves to another
// control, an empty text or a size outside 1..999 becomes 10.
class FontSizeComboBox final : public HostedComboBox {
 public:
  static constexpr const char* kClassName = FONT_SIZE_COMBOBOX_CLASS;
  static const char* Register();
  static FontSizeComboBox* FromHandle(HWND window) {
    return ControlWindow::FromHandle<FontSizeComboBox>(window);
  }

  explicit FontSizeComboBox(HWND handle);
  ~FontSizeComboBox() override;

  // Follows the face box from now on, starting with its current face.
  void LinkTo(FontComboBox& faces);
  // The size in the text, -1 when the text is empty or not an integer.
  int GetSelected() const;
  std::string Text() const { return ComboText(); }
  HWND Edit() const { return edit_; }

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK EditProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Gives the edit its own procedure back.
  void ReleaseEdit();
  void FaceChanged();
  void ShowSize(int size);
  void FocusLeft(HWND newFocus);
  bool FaceSelected() const;

  HWND faces_ = nullptr;
  HWND edit_ = nullptr;
  WNDPROC editProcedure_ = nullptr;
  std::exception_ptr pendingError_;
};

}  // namespace vantrel
