#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Pref/FontFaceList.h"
#include "framework/HostedComboBox.h"
#include "framework/PickerControls.h"
#include "framework/OwnedWindow.h"

namespace vantrel {

// A drop-down list of every face the screen offers, with a glyph for
// TrueType and device faces. While the list is open, a preview beside it
// shows a sample in the highlighted face.
class FontComboBox final : public HostedComboBox {
 public:
  static constexpr const char* kClassName = FONT_COMBOBOX_CLASS;
  static const char* Register();
  static FontComboBox* FromHandle(HWND window) {
    return ControlWindow::FromHandle<FontComboBox>(window);
  }

  explicit FontComboBox(HWND handle);

  // Nothing happens when `name` is the selected face to the letter; otherwise
  // the first face equal to it with A-Z folded is selected, or none, and the
  // change is announced as a choice by the user is.
  void SetSelectedFont(const std::string& name);
  // The selected face, empty when none is selected.
  std::string GetSelectedFont() const;
  std::optional<FontFace> SelectedFace() const;
  const std::vector<FontFace>& Faces() const { return faces_; }
  // The preview window (hidden while the list is closed).
  HWND Preview() const { return preview_.Get(); }

  // Raised after every change of the selection.
  std::function<void()> onChange;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void DrawItem(const DRAWITEMSTRUCT& item) override;
  void ComboNotified(WORD notification) override;

 private:
  void Announce();
  void ShowPreview();

  std::vector<FontFace> faces_;
  OwnedWindow preview_;
};

}  // namespace vantrel
