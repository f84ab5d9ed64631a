// Holds a file open with no sharing, so that no other program can read or
// write it, until the file named second appears: `holder FILE RELEASE`.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  std::printf("holding\n");
  std::fflush(stdout);
  while (GetFileAttributesA(argv[2]) == INVALID_FILE_ATTRIBUTES) Sleep(50);
  CloseHandle(file);
  return 0;
}
