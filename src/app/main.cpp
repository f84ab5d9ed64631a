#include <windows.h>

#include "Main/TMainFrm.h"
#include "framework/Application.h"

namespace {

constexpr const char* kInstanceMutexName = "Vantrel by quorvane";

}  // namespace

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
