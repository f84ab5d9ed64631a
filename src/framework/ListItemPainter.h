#pragma once

#include <windows.h>

#include <string_view>

namespace vantrel {

// Paints one owner-drawn combo box item for the scope of a WM_DRAWITEM: fills
// the background in the highlight or window colour, lays out pictures from
// the left and the text after them, and draws the focus frame at the end.
// The device context is left as it was found.
class ListItemPainter final {
 public:
  ListItemPainter(const DRAWITEMSTRUCT& item, HFONT font);
  ~ListItemPainter();
  ListItemPainter(const ListItemPainter&) = delete;
  ListItemPainter& operator=(const ListItemPainter&) = delete;

  // A strip of `width` pixels at the left of what is still free.
  RECT TakeLeft(int width);
  void DrawText(std::string_view text);
  bool Selected() const;

 private:
  const DRAWITEMSTRUCT& item_;
  int savedState_;
  RECT free_;
};

}  // namespace vantrel
