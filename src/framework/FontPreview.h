#pragma once

#include <windows.h>

#include <string>

#include "framework/ControlWindow.h"
#include "framework/GdiObject.h"

namespace vantrel {

// A small top-most window that shows a sample text in one face.
class FontPreview final : public ControlWindow {
 public:
  static constexpr const char* kClassName = "VantrelFontPreview";
  static constexpr const char* kSampleText = "Abcde";
  static constexpr int kSamplePoints = 14;

  // A hidden preview window, owned by the caller.
  static HWND Create();
  static FontPreview* FromHandle(HWND window) {
    return ControlWindow::FromHandle<FontPreview>(window);
  }

  explicit FontPreview(HWND handle);

  const std::string& Face() const { return face_; }
  void SetFace(const std::string& face);
  // Shows the preview beside `anchor` (screen coordinates), to its right when
  // there is room, otherwise to its left.
  void ShowBeside(const RECT& anchor);
  void Hide();

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SIZE SampleSize() const;
  void Paint();

  std::string face_;
  GdiObject<HFONT> font_;
};

}  // namespace vantrel
