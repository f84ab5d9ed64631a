#include "framework/Label.h"

#include <algorithm>

#include "framework/Win32Color.h"
#include "framework/Win32Form.h"

namespace vantrel {

Label::Label(Win32Form* parent) : Component(parent), parent_(parent) {
  parent_->controls_.push_back(this);
  SetFont(font_);
}

Label::~Label() {
  auto& controls = parent_->controls_;
  controls.erase(std::remove(controls.begin(), controls.end(), this), controls.end());
}

void Label::SetCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  AdjustSize();
  Invalidate();
}

void Label::SetFont(const LabelFont& font) {
  font_ = font;
  LOGFONTA description{};
  description.lfHeight = -font_.height;  // a character height, not a cell height
  description.lfWeight = font_.bold ? FW_BOLD : FW_NORMAL;
  description.lfUnderline = font_.underline ? TRUE : FALSE;
  description.lfCharSet = font_.charset;
  description.lfOutPrecision = OUT_DEFAULT_PRECIS;
  description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  // Smoothed edges would mix the text colour with the keyed-out fill.
  description.lfQuality = NONANTIALIASED_QUALITY;
  description.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynA(description.lfFaceName, font_.face.c_str(), LF_FACESIZE);
  measureFont_.reset();  // a font selected into a DC cannot be deleted
  fontHandle_.Reset(CreateFontIndirectA(&description));
  measureFont_.emplace(measure_.Get(), fontHandle_.Get());
  TEXTMETRICA metrics{};
  GetTextMetricsA(measure_.Get(), &metrics);
  lineHeight_ = metrics.tmHeight;
  AdjustSize();
  Invalidate();
}

void Label::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void Label::SetWidth(int width) {
  Invalidate();
  width_ = width;
  Invalidate();
}

void Label::AdjustSize() {
  SIZE extent{0, 0};
  GetTextExtentPoint32A(measure_.Get(), caption_.c_str(), static_cast<int>(caption_.size()),
                        &extent);
  Invalidate();
  width_ = extent.cx;
  height_ = caption_.empty() ? 0 : lineHeight_;  // an empty caption takes no room
  Invalidate();
}

void Label::Invalidate() {
  if (!parent_->HandleAllocated()) return;
  const RECT area{left_, top_, left_ + width_, top_ + height_};
  parent_->InvalidateArea(area);
}

void Label::Repaint() {
  Invalidate();
  parent_->Update();
}

void Label::Paint(HDC dc) {
  RECT area{left_, top_, left_ + width_, top_ + height_};
  const GdiObject<HBRUSH> fill(CreateSolidBrush(ColorRefFor(color_)));
  FillRect(dc, &area, fill.Get());
  const SelectedObject font(dc, fontHandle_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorRefFor(font_.color));
  TextOutA(dc, left_, top_, caption_.c_str(), static_cast<int>(caption_.size()));
}

}  // namespace vantrel
