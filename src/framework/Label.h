#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "config/Color.h"
#include "framework/Component.h"
#include "framework/GdiObject.h"
#include "framework/MemoryDC.h"
#include "framework/MouseEvents.h"
#include "framework/SelectedObject.h"

namespace vantrel {

class Win32Form;

// The font of a label: face, character height in pixels, colour and style.
struct LabelFont {
  std::string face;
  int height = 12;
  TColor color = clWindowText;
  bool bold = false;
  bool underline = false;
  BYTE charset = DEFAULT_CHARSET;
};

// A windowless text label painted by its form. It sizes itself to its text
// and fills its rectangle with its colour before drawing the text, which is
// drawn without smoothing so that every pixel is either the text colour or
// the fill.
class Label final : public Component {
 public:
  explicit Label(Win32Form* parent);
  ~Label() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  const LabelFont& Font() const { return font_; }
  void SetFont(const LabelFont& font);

  TColor Color() const { return color_; }
  void SetColor(TColor color);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width);

  void Invalidate();
  // Paints pending changes of the form at once.
  void Repaint();
  void Paint(HDC dc);

  MouseEvents mouse;

 private:
  void AdjustSize();

  Win32Form* parent_;
  std::string caption_;
  LabelFont font_;
  GdiObject<HFONT> fontHandle_;
  // A memory DC kept with the font selected, which measures as the screen
  // does: a caption set on every tick then needs neither a new DC nor the
  // font realised again.
  MemoryDC measure_{nullptr};
  std::optional<SelectedObject> measureFont_;
  TColor color_ = clBtnFace;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  int lineHeight_ = 0;  // of the font: a line's height whatever its text
};

}  // namespace vantrel
