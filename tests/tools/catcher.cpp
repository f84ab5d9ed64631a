// A plain window that reports the clicks it receives, to show what lies
// beneath the clock: `catcher LEFT TOP WIDTH HEIGHT` prints "click X Y" in
// screen coordinates for every left-button press.
#include <windows.h>
#include <windowsx.h>

#include <cstdio>
#include <cstdlib>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN) {
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &at);
    std::printf("click %ld %ld\n", at.x, at.y);
    std::fflush(stdout);
    return 0;
  }
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) return 2;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = CreateSolidBrush(RGB(200, 40, 160));
  windowClass.lpszClassName = "Catcher";
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, "Catcher", "Catcher", WS_POPUP | WS_VISIBLE,
                                      std::atoi(argv[1]), std::atoi(argv[2]), std::atoi(argv[3]),
                                      std::atoi(argv[4]), nullptr, nullptr, nullptr, nullptr);
  if (!window) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
