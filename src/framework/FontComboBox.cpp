#include "framework/FontComboBox.h"

#include "Pref/ItemMatch.h"
#include "framework/FontEnumeration.h"
#include "framework/FontPreview.h"
#include "framework/GdiObject.h"
#include "framework/ListItemPainter.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

constexpr int kGlyphWidth = 13;

// A letter T, 8 x 8 pixels, from its top-left corner.
void DrawLetterT(HDC dc, int left, int top, COLORREF color) {
  const GdiObject<HBRUSH> brush(CreateSolidBrush(color));
  const RECT bar{left, top, left + 8, top + 2};
  const RECT stem{left + 3, top, left + 5, top + 8};
  FillRect(dc, &bar, brush.Get());
  FillRect(dc, &stem, brush.Get());
}

// Two overlapping Ts for TrueType, a small printer for device faces.
void DrawFaceGlyph(HDC dc, const RECT& area, FontFaceKind kind) {
  const int top = (area.top + area.bottom) / 2 - 6;
  if (kind == FontFaceKind::kTrueType) {
    DrawLetterT(dc, area.left, top + 1, RGB(128, 128, 128));
    DrawLetterT(dc, area.left + 4, top + 4, RGB(0, 0, 0));
  } else {
    const RECT paper{area.left + 3, top + 1, area.left + 10, top + 6};
    const RECT body{area.left, top + 5, area.left + 13, top + 11};
    FrameRect(dc, &paper, GetSysColorBrush(COLOR_WINDOWTEXT));
    FillRect(dc, &body, GetSysColorBrush(COLOR_BTNSHADOW));
    FrameRect(dc, &body, GetSysColorBrush(COLOR_WINDOWTEXT));
  }
}

}  // namespace

const char* FontComboBox::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<FontComboBox>);
  return windowClass.Name();
}

FontComboBox::FontComboBox(HWND handle)
    : HostedComboBox(handle, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS),
      faces_(ScreenFontFaces()),
      preview_(FontPreview::Create()) {}

LRESULT FontComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = HostedComboBox::WndProc(message, wParam, lParam);
  if (message == WM_CREATE && result == 0) {
    for (const FontFace& face : faces_) {
      SendMessageA(Combo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(face.name.c_str()));
    }
  }
  return result;
}

void FontComboBox::SetSelectedFont(const std::string& name) {
  const int index = ItemIndex();
  const std::vector<std::string> names = Items();
  const FaceSelection selection =
      FaceSelectionFor(names, index < 0 ? std::nullopt : std::optional<std::size_t>(index), name);
  if (!selection.changes) return;
  SetItemIndex(selection.index ? static_cast<int>(*selection.index) : -1);
  Announce();
}

std::optional<FontFace> FontComboBox::SelectedFace() const {
  const int index = ItemIndex();
  if (index < 0 || static_cast<std::size_t>(index) >= faces_.size()) return std::nullopt;
  return faces_[static_cast<std::size_t>(index)];
}

std::string FontComboBox::GetSelectedFont() const {
  const auto face = SelectedFace();
  return face ? face->name : std::string();
}

void FontComboBox::Announce() {
  if (onChange) onChange();
}

void FontComboBox::ShowPreview() {
  FontPreview* preview = FontPreview::FromHandle(preview_.Get());
  if (!preview) return;
  RECT list;
  SendMessageA(Combo(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
  preview->ShowBeside(list);
}

void FontComboBox::ComboNotified(WORD notification) {
  FontPreview* preview = FontPreview::FromHandle(preview_.Get());
  switch (notification) {
    case CBN_SELCHANGE:
      Announce();
      break;
    case CBN_DROPDOWN:
      if (preview) preview->SetFace(GetSelectedFont());
      ShowPreview();
      break;
    case CBN_CLOSEUP:
      if (preview) preview->Hide();
      break;
    default:
      break;
  }
}

void FontComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  ListItemPainter painter(item, Font());
  if (item.itemID >= faces_.size()) return;
  const FontFace& face = faces_[item.itemID];
  const RECT glyph = painter.TakeLeft(kGlyphWidth);
  if (HasFaceGlyph(face.kind)) DrawFaceGlyph(item.hDC, glyph, face.kind);
  painter.DrawText(face.name);
  // The highlighted entry of the open list is the one previewed.
  const bool inList = (item.itemState & ODS_COMBOBOXEDIT) == 0;
  FontPreview* preview = FontPreview::FromHandle(preview_.Get());
  if (inList && painter.Selected() && preview && IsWindowVisible(preview_.Get())) {
    preview->SetFace(face.name);
    ShowPreview();
  }
}

}  // namespace vantrel
