// Stands in for the system's control.exe in the end-to-end tests: a program
// started by name is looked for first in the starting program's folder. It
// writes its command line to launched.txt beside itself, and opens no window
// (a console would take the activation from the clock).
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string record(path);
  record = record.substr(0, record.find_last_of('\\') + 1) + "launched.txt";
  if (FILE* file = std::fopen(record.c_str(), "w")) {
    std::fputs(GetCommandLineA(), file);
    std::fclose(file);
  }
  return 0;
}
