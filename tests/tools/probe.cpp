// Looks at and pokes the windows of a running program for the end-to-end
// tests: `probe text TITLE`, `probe rect TITLE`, `probe client TITLE`,
// `probe close TITLE`, and `probe menu` for the open popup menu's bounds.
// Output is in the system code page.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

// A dialog (message boxes are dialogs) first, so that a box does not lose to a
// hidden window of the same title.
HWND FindTopLevel(const char* title) {
  HWND window = FindWindowA("#32770", title);
  return window ? window : FindWindowA(nullptr, title);
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
  char className[64] = {};
  char text[1024] = {};
  GetClassNameA(child, className, sizeof className);
  GetWindowTextA(child, text, sizeof text);
  std::printf("%s\t%s\n", className, text);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "menu") == 0) {
    const HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return 1;
    RECT bounds{};
    GetWindowRect(menu, &bounds);
    std::printf("%ld %ld %ld %ld\n", bounds.left, bounds.top, bounds.right, bounds.bottom);
    return 0;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: probe text|rect|client|close TITLE, or probe menu\n");
    return 2;
  }
  const HWND window = FindTopLevel(argv[2]);
  if (!window) return 1;
  if (std::strcmp(argv[1], "text") == 0) {
    EnumChildWindows(window, PrintChild, 0);
  } else if (std::strcmp(argv[1], "rect") == 0) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    std::printf("%ld %ld %ld %ld visible=%d enabled=%d exstyle=%08lx\n", bounds.left, bounds.top,
                bounds.right, bounds.bottom, IsWindowVisible(window) ? 1 : 0,
                IsWindowEnabled(window) ? 1 : 0,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)));
  } else if (std::strcmp(argv[1], "client") == 0) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, origin.x + client.right,
                origin.y + client.bottom);
  } else if (std::strcmp(argv[1], "close") == 0) {
    PostMessageA(window, WM_CLOSE, 0, 0);
  } else {
    return 2;
  }
  return 0;
}
