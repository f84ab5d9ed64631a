#include "framework/Win32Form.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/GdiObject.h"
#include "framework/Label.h"
#include "framework/Win32Color.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

MouseButton ButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return MouseButton::Middle;
    default:
      return MouseButton::Left;
  }
}

}  // namespace

Win32Form::Win32Form(Component* owner) : Form(owner) {}

Win32Form::~Win32Form() {
  canvas_ = WindowDC();
  if (handle_) {
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

HWND Win32Form::Hwnd() {
  if (!handle_) CreateHandle();
  return handle_;
}

WindowId Win32Form::Handle() { return reinterpret_cast<WindowId>(Hwnd()); }

SurfaceId Win32Form::CanvasHandle() {
  if (!canvas_) canvas_ = WindowDC(Hwnd());
  return reinterpret_cast<SurfaceId>(canvas_.Get());
}

int Win32Form::ClientWidth() {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  return client.right - client.left;
}

int Win32Form::ClientHeight() {
  RECT client{};
  GetClientRect(Hwnd(), &client);
  return client.bottom - client.top;
}

void Win32Form::Update() {
  if (handle_) UpdateWindow(handle_);
}

void Win32Form::CreateParams(WindowParams&) {}

void Win32Form::CreateHandle() {
  static const WindowClass windowClass("VantrelForm", &Win32Form::Procedure, CS_DBLCLKS);
  WindowParams params;
  CreateParams(params);
  // Layered from the start: turning it on later makes the window system
  // rework a window it has just made.
  if (alphaBlend_ || transparentColor_) params.exStyle |= WS_EX_LAYERED;
  CreateWindowExA(params.exStyle, windowClass.Name(), caption_.c_str(), params.style, bounds_.left,
                  bounds_.top, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top,
                  params.owner, nullptr, GetModuleHandleA(nullptr), this);
  if (!handle_) throw Exception("Error creating window");
  ForgetInvalidation();
  ApplyOwnLayering();
}

void Win32Form::ApplyOwnLayering() {
  if (!handle_) return;
  const LONG exStyle = GetWindowLongA(handle_, GWL_EXSTYLE);
  if (alphaBlend_ || transparentColor_) {
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongA(handle_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    const DWORD flags = (alphaBlend_ ? LWA_ALPHA : 0u) | (transparentColor_ ? LWA_COLORKEY : 0u);
    SetLayeredWindowAttributes(handle_, ColorRefFor(transparentColorValue_), alphaBlendValue_,
                               flags);
  } else {
    SetWindowLongA(handle_, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    RedrawWindow(handle_, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

int Win32Form::Left() const { return bounds_.left; }
int Win32Form::Top() const { return bounds_.top; }
int Win32Form::Width() const { return bounds_.right - bounds_.left; }
int Win32Form::Height() const { return bounds_.bottom - bounds_.top; }
void Win32Form::SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
void Win32Form::SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
void Win32Form::SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
void Win32Form::SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }

void Win32Form::SetClientSize(int width, int height) {
  RECT frame{0, 0, width, height};
  if (handle_) {
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(handle_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE)));
  }
  SetBounds(Left(), Top(), frame.right - frame.left, frame.bottom - frame.top);
}

void Win32Form::SetBounds(int left, int top, int width, int height) {
  bounds_ = {left, top, left + width, top + height};
  if (handle_) {
    SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Win32Form::Show() {
  ShowWindow(Hwnd(), SW_SHOW);
  // A form shown on top of the others, as a freshly shown window is.
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void Win32Form::Hide() {
  if (handle_) ShowWindow(handle_, SW_HIDE);
}

bool Win32Form::Visible() const { return handle_ && IsWindowVisible(handle_); }

void Win32Form::Close() {
  Hide();
  if (App().MainForm() == this) App().Terminate();
}

void Win32Form::Invalidate() {
  if (!handle_ || wholeInvalid_) return;
  InvalidateRect(handle_, nullptr, TRUE);
  wholeInvalid_ = true;
}

void Win32Form::InvalidateArea(const RECT& area) {
  if (!handle_ || wholeInvalid_) return;
  const bool covered = std::any_of(invalidAreas_.begin(), invalidAreas_.end(), [&](const RECT& r) {
    return area.left >= r.left && area.top >= r.top && area.right <= r.right &&
           area.bottom <= r.bottom;
  });
  if (covered) return;
  InvalidateRect(handle_, &area, FALSE);
  invalidAreas_.push_back(area);
}

void Win32Form::ForgetInvalidation() {
  wholeInvalid_ = false;
  invalidAreas_.clear();
}

void Win32Form::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void Win32Form::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (handle_) SetWindowTextA(handle_, caption_.c_str());
}

void Win32Form::SetTransparentColor(bool on) {
  transparentColor_ = on;
  ApplyOwnLayering();
}

void Win32Form::SetTransparentColorValue(TColor key) {
  transparentColorValue_ = key;
  ApplyOwnLayering();
}

void Win32Form::SetAlphaBlend(bool on) {
  alphaBlend_ = on;
  ApplyOwnLayering();
}

void Win32Form::SetAlphaBlendValue(std::uint8_t alpha) {
  alphaBlendValue_ = alpha;
  ApplyOwnLayering();
}

Win32Form::MouseTarget Win32Form::TargetAt(int x, int y) {
  // The newest control on top.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Label* control = *it;
    if (x >= control->Left() && x < control->Left() + control->Width() && y >= control->Top() &&
        y < control->Top() + control->Height()) {
      return {&control->mouse, control->Left(), control->Top()};
    }
  }
  return {&mouse, 0, 0};
}

void Win32Form::RouteMouse(UINT message, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam);
  const int y = GET_Y_LPARAM(lParam);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
      // Every button captures the pointer, so its release always comes back here.
      captured_ = TargetAt(x, y);
      SetCapture(handle_);
      const bool doubleClick =
          message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
      if (doubleClick && captured_.events->onDoubleClick) captured_.events->onDoubleClick();
      if (captured_.events->onDown) {
        captured_.events->onDown(ButtonOf(message), x - captured_.left, y - captured_.top);
      }
      break;
    }
    case WM_MOUSEMOVE: {
      const MouseTarget target = GetCapture() == handle_ ? captured_ : TargetAt(x, y);
      if (target.events->onMove) target.events->onMove(x - target.left, y - target.top);
      break;
    }
    default: {  // a release
      const MouseTarget target = GetCapture() == handle_ ? captured_ : TargetAt(x, y);
      if (GetCapture() == handle_) ReleaseCapture();
      if (target.events->onUp) {
        target.events->onUp(ButtonOf(message), x - target.left, y - target.top);
      }
      break;
    }
  }
}

void Win32Form::Paint() {
  PAINTSTRUCT paint;
  ForgetInvalidation();
  const HDC dc = BeginPaint(handle_, &paint);
  for (Label* control : controls_) control->Paint(dc);
  EndPaint(handle_, &paint);
}

LRESULT Win32Form::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(handle_, &client);
      const GdiObject<HBRUSH> brush(CreateSolidBrush(ColorRefFor(color_)));
      FillRect(reinterpret_cast<HDC>(wParam), &client, brush.Get());
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam && onShow) onShow();
      break;
    case WM_WINDOWPOSCHANGED: {
      RECT window{};
      GetWindowRect(handle_, &window);
      // A new size may drop marked areas outside it from the update region.
      if (window.right - window.left != bounds_.right - bounds_.left ||
          window.bottom - window.top != bounds_.bottom - bounds_.top) {
        ForgetInvalidation();
      }
      bounds_ = window;
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_MBUTTONUP:
      RouteMouse(message, lParam);
      return 0;
    case WM_RBUTTONUP:
      RouteMouse(message, lParam);
      break;  // the default handling turns the release into a context-menu request
    case WM_CONTEXTMENU:
      if (onContextPopup) {
        POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (lParam == -1) {  // from the keyboard: the client area's top-left corner
          at = {0, 0};
          ClientToScreen(handle_, &at);
        }
        onContextPopup(at.x, at.y);
        return 0;
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    default:
      break;
  }
  return DefWindowProcA(handle_, message, wParam, lParam);
}

LRESULT CALLBACK Win32Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!form) return DefWindowProcA(window, message, wParam, lParam);
  try {
    return form->WndProc(message, wParam, lParam);
  } catch (...) {
    App().HandleException();
    return 0;
  }
}

}  // namespace vantrel
