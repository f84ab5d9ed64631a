// The cheapest clock worth the name, for comparison: the time once a second in
// a borderless, top-most window whose background colour is keyed out.
#include <windows.h>

#include <cstdio>

namespace {

constexpr COLORREF kKey = RGB(1, 2, 3);
// Where the benchmark also puts Vantrel: clear of Wine's notification area,
// which opens at the top-left corner.
constexpr int kLeft = 400;
constexpr int kTop = 300;
char timeText[16] = "";
// The clock's default digits: 14-point Terminal, underlined, unsmoothed.
// Under Wine a colour-keyed window costs more the more edges its glyphs
// have, so a different font would measure the fonts, not the programs.
HFONT font = nullptr;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      SYSTEMTIME now;
      GetLocalTime(&now);
      std::snprintf(timeText, sizeof timeText, "%d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      SelectObject(dc, font);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      TextOutA(dc, 0, 0, timeText, lstrlenA(timeText));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  font =
      CreateFontA(-19, 0, 0, 0, FW_NORMAL, FALSE, TRUE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Terminal");
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(kKey);
  windowClass.lpszClassName = "ReferenceClock";
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_TOOLWINDOW,
                                      "ReferenceClock", "ReferenceClock", WS_POPUP, kLeft, kTop,
                                      160, 40, nullptr, nullptr, instance, nullptr);
  SetLayeredWindowAttributes(window, kKey, 255, LWA_COLORKEY);
  SendMessageA(window, WM_TIMER, 0, 0);
  SetTimer(window, 1, 1000, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
