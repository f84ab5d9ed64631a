#pragma once

#include <windows.h>

#include <string>

#include "framework/ControlWindow.h"
#include "framework/GdiObject.h"

namespace vantrel {

// A dialog control that draws itself over whatever lies beneath it: the
// dialog's face colour and the painted controls below it, such as a panel,
// so that labels, links and rounded buttons show the panel through. Painting
// goes through an off-screen buffer. The control uses the font the dialog
// gives it and can track left-button clicks.
class PaintedControl : public ControlWindow {
 public:
  std::string Text() const;
  void SetText(const std::string& text);
  int Width() const;
  int Height() const;

  // Draws the control as it looks now, backdrop included, into `dc` at its
  // client origin (also what WM_PRINTCLIENT does).
  void PaintTo(HDC dc);

 protected:
  explicit PaintedControl(HWND handle);

  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Draws the control's own content, without what lies beneath it.
  virtual void PaintContent(HDC dc) = 0;
  // After the dialog has given the control a font.
  virtual void FontChanged() {}
  // Whether a left-button press on the control starts tracking a click.
  virtual bool TracksClicks() const { return false; }
  // When a tracked click starts, ends, or the pointer leaves or re-enters.
  virtual void ClickStateChanged() {}
  // A tracked press followed by a release over the control. It may be the
  // control's last call: a handler may destroy the dialog.
  virtual void Clicked() {}

  // The dialog's font, or the default GUI font before the dialog gives one.
  HFONT Font() const;
  // The dialog's font made bold or underlined.
  GdiObject<HFONT> VariantOfFont(bool bold, bool underline) const;
  // The left button went down on the control, is still down, and the pointer
  // is over the control.
  bool Pressed() const { return held_ && pointerOver_; }
  void Invalidate() const;

 private:
  void PaintBackdrop(HDC dc) const;
  bool IsInside(LPARAM pointInClient) const;
  // True when the message ended the click and the control may be gone.
  bool TrackClick(UINT message, LPARAM lParam);

  HFONT font_ = nullptr;  // the dialog's, not owned
  bool held_ = false;
  bool pointerOver_ = false;
};

}  // namespace vantrel
