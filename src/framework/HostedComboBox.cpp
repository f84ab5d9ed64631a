#include "framework/HostedComboBox.h"

namespace vantrel {
namespace {

constexpr int kComboId = 1;
// Room for the dropped-down list below the field.
constexpr int kListHeight = 240;

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

HostedComboBox::HostedComboBox(HWND handle, DWORD comboStyle)
    : ControlWindow(handle), comboStyle_(comboStyle) {
  // Tab navigation looks into this window for the box's tab stop.
  const LONG_PTR style = GetWindowLongPtrA(handle, GWL_STYLE);
  if (style & WS_TABSTOP) {
    comboStyle_ |= WS_TABSTOP;
    SetWindowLongPtrA(handle, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  }
  SetWindowLongPtrA(handle, GWL_EXSTYLE,
                    GetWindowLongPtrA(handle, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
}

int HostedComboBox::ItemCount() const {
  return static_cast<int>(SendMessageA(combo_, CB_GETCOUNT, 0, 0));
}

std::string HostedComboBox::ItemText(int index) const {
  const LRESULT length = SendMessageA(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == CB_ERR) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

std::vector<std::string> HostedComboBox::Items() const {
  std::vector<std::string> items;
  const int count = ItemCount();
  items.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back(ItemText(i));
  return items;
}

int HostedComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageA(combo_, CB_GETCURSEL, 0, 0));
}

void HostedComboBox::SetItemIndex(int index) {
  SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index < ItemCount() ? index : -1), 0);
}

std::string HostedComboBox::ComboText() const { return WindowText(combo_); }

void HostedComboBox::DrawItem(const DRAWITEMSTRUCT&) {}

void HostedComboBox::ComboNotified(WORD) {}

void HostedComboBox::CreateCombo() {
  RECT client;
  GetClientRect(Handle(), &client);
  combo_ = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | comboStyle_, 0,
                           0, client.right, client.bottom + kListHeight, Handle(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kComboId)),
                           GetModuleHandleA(nullptr), nullptr);
  FitFieldHeight();
}

int HostedComboBox::ClosedHeight() const {
  RECT closed;
  GetWindowRect(combo_, &closed);
  return closed.bottom - closed.top;
}

// The closed box fills this window's height exactly, whatever its font. The
// field height asked for and the box's height differ by a frame whose size
// the platform knows: one request measures it.
void HostedComboBox::FitFieldHeight() {
  RECT client;
  GetClientRect(Handle(), &client);
  const auto probe =
      static_cast<int>(SendMessageA(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
  SendMessageA(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), probe);
  const int field = client.bottom - (ClosedHeight() - probe);
  if (field <= 0) return;
  SendMessageA(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
  if (comboStyle_ & CBS_OWNERDRAWFIXED) SendMessageA(combo_, CB_SETITEMHEIGHT, 0, field);
}

LRESULT HostedComboBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      CreateCombo();
      return combo_ ? 0 : -1;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      SendMessageA(combo_, WM_SETFONT, wParam, lParam);
      FitFieldHeight();
      return 0;
    case WM_SIZE:
      // A layout pass may size this window after the box was made.
      if (combo_) {
        SetWindowPos(combo_, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam) + kListHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        FitFieldHeight();
      }
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
      SetFocus(combo_);
      return 0;
    case WM_ENABLE:
      EnableWindow(combo_, static_cast<BOOL>(wParam));
      return 0;
    case WM_MEASUREITEM:
      // Answered before the font is known; FitFieldHeight sets the real height.
      reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = 14;
      return TRUE;
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == combo_) ComboNotified(HIWORD(wParam));
      return 0;
    default:
      return ControlWindow::WndProc(message, wParam, lParam);
  }
}

}  // namespace vantrel
