#pragma once

#include <windows.h>
#include <shellapi.h>

namespace vantrel {

// The shell functions the program uses, from shell32.dll loaded on first use
// and kept until the program ends: loading it with its companions is a good
// part of a start, and the clock needs none of it until it has been drawn.
class Shell {
 public:
  // Shell_NotifyIconA; FALSE when the shell library is missing.
  static BOOL NotifyIcon(DWORD message, NOTIFYICONDATAA* data);
  // Opens `target` (such as an address) the way the shell opens it.
  static void Open(const char* target);

 private:
  // The function `name` of shell32.dll as a `Function`, null when missing.
  template <typename Function>
  static Function* Find(const char* name);
};

}  // namespace vantrel
