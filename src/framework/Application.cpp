#include "framework/Application.h"

#include "framework/ErrorText.h"
#include "framework/Exception.h"
#include "framework/TaskWindowLock.h"
#include "framework/Win32Form.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

Application* instance = nullptr;

LRESULT CALLBACK ApplicationWindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

bool IsDialogWindow(HWND window) {
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  return lstrcmpA(className, "#32770") == 0;
}

}  // namespace

Application::Application() : Component(nullptr) { instance = this; }

Application::~Application() {
  // Forms go before the application window they are owned by.
  while (!Components().empty()) delete Components().back();
  if (handle_) DestroyWindow(handle_);
  if (instance == this) instance = nullptr;
}

Application& App() { return *instance; }

void Application::Initialize() {
  static const WindowClass windowClass("VantrelApplication", ApplicationWindowProcedure);
  // The window that stands for the program in the taskbar: zero-sized, in
  // the middle of the screen, and hidden while the clock runs.
  const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
  const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
  handle_ = CreateWindowExA(0, windowClass.Name(), title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            x, y, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

void Application::SetTitle(std::string title) {
  title_ = std::move(title);
  if (handle_) SetWindowTextA(handle_, title_.c_str());
}

void Application::Run() {
  if (!mainForm_) return;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  GetStartupInfoA(&startup);
  const WORD show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
  if (show == SW_SHOWMINNOACTIVE || show == SW_MINIMIZE || show == SW_SHOWMINIMIZED) {
    ShowWindow(handle_, SW_MINIMIZE);
  } else if (show == SW_SHOWMAXIMIZED) {
    mainForm_->Show();
    ShowWindow(mainForm_->Hwnd(), SW_SHOWMAXIMIZED);
  } else {
    mainForm_->Show();
  }
  while (!terminated_) HandleMessage();
}

void Application::HandleMessage() {
  MSG message;
  const BOOL got = GetMessageA(&message, nullptr, 0, 0);
  if (got == 0 || got == -1) {
    terminated_ = true;
    return;
  }
  const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root && IsDialogWindow(root) && IsDialogMessageA(root, &message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void Application::Terminate() { PostQuitMessage(0); }

void Application::HandleException() {
  try {
    throw;
  } catch (const Exception& error) {
    ShowException(error);
  } catch (...) {
    // Anything that is not one of our errors is shown as an empty message.
    ShowException(Exception(""));
  }
}

void Application::ShowException(const std::exception& error) {
  const auto* ours = dynamic_cast<const Exception*>(&error);
  const std::string text = ErrorDisplayText(ours ? ours->Message() : std::string());
  const TaskWindowLock lock;
  MessageBoxA(handle_, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace vantrel
