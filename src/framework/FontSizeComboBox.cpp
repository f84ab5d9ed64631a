#include "framework/FontSizeComboBox.h"

#include <string>
#include <utility>

#include "Pref/FontSizeText.h"
#include "Pref/ItemMatch.h"
#include "framework/FontComboBox.h"
#include "framework/FontEnumeration.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

// Shows an error found while the focus moved, once the move is over.
constexpr UINT kShowPendingError = WM_APP + 1;

}  // namespace

const char* FontSizeComboBox::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<FontSizeComboBox>);
  return windowClass.Name();
}

FontSizeComboBox::FontSizeComboBox(HWND handle) : HostedComboBox(handle, CBS_DROPDOWN) {}

FontSizeComboBox::~FontSizeComboBox() { ReleaseEdit(); }

void FontSizeComboBox::ReleaseEdit() {
  if (!edit_) return;
  SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProcedure_));
  SetWindowLongPtrA(edit_, GWLP_USERDATA, 0);
  edit_ = nullptr;
}

void FontSizeComboBox::LinkTo(FontComboBox& faces) {
  faces_ = faces.Handle();
  faces.onChange = [sizes = Handle()] {
    if (FontSizeComboBox* box = FromHandle(sizes)) box->FaceChanged();
  };
  FaceChanged();
}

bool FontSizeComboBox::FaceSelected() const {
  const FontComboBox* faces = FontComboBox::FromHandle(faces_);
  return faces && faces->SelectedFace().has_value();
}

int FontSizeComboBox::GetSelected() const { return SelectedSizeFromText(ComboText()); }

void FontSizeComboBox::FaceChanged() {
  const std::string shown = ComboText();
  SendMessageA(Combo(), CB_RESETCONTENT, 0, 0);
  const FontComboBox* faces = FontComboBox::FromHandle(faces_);
  const auto face = faces ? faces->SelectedFace() : std::nullopt;
  if (!face) {
    SetWindowTextA(Combo(), "");
    return;
  }
  for (const int size : FontSizesFor(*face)) {
    const std::string text = std::to_string(size);
    SendMessageA(Combo(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  ShowSize(SizeToReselect(shown));
}

// The text shows `size`; the item of that size is selected when there is one.
void FontSizeComboBox::ShowSize(int size) {
  const auto item = FirstSizeItem(Items(), size);
  SetItemIndex(item ? static_cast<int>(*item) : -1);
  SetWindowTextA(Combo(), std::to_string(size).c_str());
}

void FontSizeComboBox::FocusLeft(HWND newFocus) {
  // Only a move to another control of the same window counts; a message box
  // or another program taking the focus does not.
  if (!newFocus || GetAncestor(newFocus, GA_ROOT) != GetAncestor(Handle(), GA_ROOT) ||
      IsChild(Handle(), newFocus)) {
    return;
  }
  try {
    if (const auto replacement = SizeReplacementOnLeave(ComboText())) ShowSize(*replacement);
  } catch (...) {
    pendingError_ = std::current_exception();
    PostMessageA(Handle(), kShowPendingError, 0, 0);
  }
}

LRESULT FontSizeComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kShowPendingError) {
    if (pendingError_) std::rethrow_exception(std::exchange(pendingError_, nullptr));
    return 0;
  }
  const LRESULT result = HostedComboBox::WndProc(message, wParam, lParam);
  if (message == WM_CREATE && result == 0) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(Combo(), &info);
    edit_ = info.hwndItem;
    // Subclassed the classic way: the common controls library, which offers
    // another, would be loaded at every start for this one box.
    SetWindowLongPtrA(edit_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    editProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditProcedure)));
  }
  return result;
}

LRESULT CALLBACK FontSizeComboBox::EditProcedure(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
  auto* box = reinterpret_cast<FontSizeComboBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    const WNDPROC original = box->editProcedure_;
    box->ReleaseEdit();
    return CallWindowProcA(original, window, message, wParam, lParam);
  }
  const bool faceSelected = box->FaceSelected();
  // Without a face every key and every paste is refused; the character a
  // refused key press brings along goes without a second beep.
  if (!faceSelected && (message == WM_KEYDOWN || message == WM_PASTE)) {
    MessageBeep(0);
    return 0;
  }
  if (message == WM_CHAR && !AcceptsSizeKey(static_cast<unsigned char>(wParam), faceSelected)) {
    if (faceSelected) MessageBeep(0);
    return 0;
  }
  const LRESULT result = CallWindowProcA(box->editProcedure_, window, message, wParam, lParam);
  if (message == WM_KILLFOCUS) box->FocusLeft(reinterpret_cast<HWND>(wParam));
  return result;
}

}  // namespace vantrel
