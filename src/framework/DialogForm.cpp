#include "framework/DialogForm.h"

#include <utility>

#include "forms/ResourceIds.h"
#include "framework/Application.h"
#include "framework/HyperlinkLabel.h"
#include "framework/IconPicture.h"
#include "framework/ScreenFontHeight.h"
#include "framework/ShadowLabel.h"
#include "framework/SkinnedButton.h"
#include "framework/StripedPanel.h"
#include "framework/TaskWindowLock.h"

namespace vantrel {
namespace {

// Hides the dialog when a modal run ends, however it ends.
class ModalRunEnd final {
 public:
  explicit ModalRunEnd(HWND dialog) : dialog_(dialog), previous_(GetActiveWindow()) {}
  ~ModalRunEnd() {
    ShowWindow(dialog_, SW_HIDE);
    if (previous_ && IsWindow(previous_) && IsWindowEnabled(previous_)) SetActiveWindow(previous_);
  }
  ModalRunEnd(const ModalRunEnd&) = delete;
  ModalRunEnd& operator=(const ModalRunEnd&) = delete;

 private:
  HWND dialog_;
  HWND previous_;
};

}  // namespace

DialogForm::DialogForm(Component* owner, int templateId,
                       std::initializer_list<ControlRegistration> controlClasses)
    : Component(owner) {
  for (ControlRegistration registration :
       {&StripedPanel::Register, &ShadowLabel::Register, &SkinnedButton::Register,
        &HyperlinkLabel::Register, &IconPicture::Register}) {
    registration();
  }
  for (ControlRegistration registration : controlClasses) registration();

  const HINSTANCE module = GetModuleHandleA(nullptr);
  const DialogLayout layout(module, templateId);
  handle_ = CreateDialogParamA(module, MAKEINTRESOURCEA(templateId), App().Handle(),
                               &DialogForm::Procedure, reinterpret_cast<LPARAM>(this));
  if (!handle_) {
    throw Exception("Dialog " + std::to_string(templateId) + " could not be created");
  }
  layout.ApplyTo(handle_);
  if (layout.Font()) ApplyFont(*layout.Font());
  // Like every window of the program, the title bar shows the program icon
  // (shared icons: the system frees them).
  for (const auto& [size, metric] : {std::pair{ICON_SMALL, SM_CXSMICON}, {ICON_BIG, SM_CXICON}}) {
    const int pixels = GetSystemMetrics(metric);
    SendMessageA(handle_, WM_SETICON, size,
                 reinterpret_cast<LPARAM>(LoadImageA(module, MAKEINTRESOURCEA(IDI_MAINICON),
                                                     IMAGE_ICON, pixels, pixels, LR_SHARED)));
  }
}

void DialogForm::ApplyFont(const DialogLayout::FontSpec& spec) {
  LOGFONTW font{};
  font.lfHeight = -ScreenFontHeight(spec.pointSize);
  font.lfWeight = spec.weight;
  font.lfItalic = spec.italic;
  font.lfCharSet = spec.charset;
  spec.face.copy(font.lfFaceName, LF_FACESIZE - 1);
  font_.Reset(CreateFontIndirectW(&font));
  for (HWND child = GetWindow(handle_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  }
}

DialogForm::~DialogForm() {
  if (handle_) {
    SetWindowLongPtrA(handle_, DWLP_USER, 0);
    DestroyWindow(handle_);
  }
}

std::string DialogForm::Caption() const {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(handle_)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      GetWindowTextA(handle_, text.data(), static_cast<int>(text.size()))));
  return text;
}

RECT DialogForm::Bounds() const {
  RECT bounds;
  GetWindowRect(handle_, &bounds);
  return bounds;
}

int DialogForm::Left() const { return Bounds().left; }

int DialogForm::Top() const { return Bounds().top; }

int DialogForm::Width() const { return Bounds().right - Bounds().left; }

int DialogForm::Height() const { return Bounds().bottom - Bounds().top; }

void DialogForm::SetPlace(int left, int top) {
  SetWindowPos(handle_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogForm::CenterOnScreen() {
  SetPlace((GetSystemMetrics(SM_CXSCREEN) - Width()) / 2,
           (GetSystemMetrics(SM_CYSCREEN) - Height()) / 2);
}

ModalResult DialogForm::ShowModal() {
  if (position_ == Position::ScreenCenter) CenterOnScreen();
  modalResult_ = ModalResult::None;
  modal_ = true;
  {
    const ModalRunEnd end(handle_);
    // Released before the dialog hides, so that activation returns to them.
    const TaskWindowLock lock(handle_);
    ShowWindow(handle_, SW_SHOW);
    for (;;) {
      if (App().Terminated()) modalResult_ = ModalResult::Cancel;
      if (modalResult_ != ModalResult::None) break;
      App().HandleMessage();
    }
  }
  modal_ = false;
  return modalResult_;
}

void DialogForm::Close() {
  if (modal_) {
    modalResult_ = ModalResult::Cancel;
  } else {
    ShowWindow(handle_, SW_HIDE);
  }
}

bool DialogForm::DialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  switch (message) {
    case WM_CLOSE:  // the close box and Alt+F4
      Close();
      result = TRUE;
      return true;
    case WM_GETFONT:
      if (!font_) break;
      SetWindowLongPtrA(handle_, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(font_.Get()));
      result = TRUE;
      return true;
    case WM_COMMAND:
      // Enter and Escape arrive as IDOK and IDCANCEL from no control: without
      // a default or cancel button they do nothing.
      if ((LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) && lParam == 0) {
        result = TRUE;
        return true;
      }
      break;
  }
  return false;
}

INT_PTR CALLBACK DialogForm::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lParam);
    reinterpret_cast<DialogForm*>(lParam)->handle_ = window;
    return TRUE;
  }
  auto* self = reinterpret_cast<DialogForm*>(GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  try {
    INT_PTR result = FALSE;
    return self->DialogMessage(message, wParam, lParam, result) ? result : FALSE;
  } catch (...) {
    App().HandleException();
    return TRUE;
  }
}

}  // namespace vantrel
