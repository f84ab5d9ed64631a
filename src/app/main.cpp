#include <windows.h>

#include <cstdlib>

#include "Main/TMainFrm.h"
#include "framework/Application.h"

namespace {

constexpr const char* kInstanceMutexName = "Vantrel by quorvane";

}  // namespace

#if defined(__GNUC__) && !defined(__clang__)
// The compiler's own handler for a fatal exception prints the exception's
// demangled type name, which a program without a console never shows; this
// one ends the program the same way and spares the executable the demangler
// (about a tenth of its size).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  // The handle is kept for the whole run; the system closes it with the process.
  const HANDLE instanceMutex = CreateMutexA(nullptr, TRUE, kInstanceMutexName);
  if (GetLastError() != 0) {
    MessageBoxA(nullptr, "Vantrelは多重起動できません", "zuzo_2", MB_OK | MB_ICONSTOP);
    return 1;
  }
  {
    vantrel::Application application;
    try {
      application.Initialize();
      application.SetTitle("Vantrel");
      application.CreateForm(vantrel::MainFrm);
      ShowWindow(application.Handle(), showCommand);
      application.Run();
    } catch (...) {
      application.HandleException();
    }
  }
  ReleaseMutex(instanceMutex);
  return 0;
}
