#include "framework/WorkerThread.h"

#include <exception>
#include <string>

#include "framework/Application.h"
#include "framework/Exception.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

constexpr UINT kSynchronizeMessage = WM_APP + 1;

}  // namespace

WorkerThread::WorkerThread() : terminated_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  static const WindowClass windowClass("VantrelWorkerThread", &WorkerThread::Procedure);
  window_ = OwnedWindow(CreateWindowExA(0, windowClass.Name(), "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, GetModuleHandleA(nullptr), nullptr));
  // Without either the worker could neither be stopped nor end.
  if (!terminated_ || !window_.Get()) {
    throw Exception("No window or event for a worker thread (error " +
                    std::to_string(GetLastError()) + ")");
  }
}

WorkerThread::~WorkerThread() = default;

void WorkerThread::Start(std::unique_ptr<WorkerThread> worker) {
  const HANDLE thread =
      CreateThread(nullptr, 0, &WorkerThread::ThreadEntry, worker.get(), 0, nullptr);
  if (!thread) {
    throw Exception("No worker thread (error " + std::to_string(GetLastError()) + ")");
  }
  // Nobody waits for it: the worker reports its end through OnTerminate.
  CloseHandle(thread);
  // The thread has it now.
  worker.release();
}

DWORD WINAPI WorkerThread::ThreadEntry(LPVOID worker) {
  static_cast<WorkerThread*>(worker)->Run();
  return 0;
}

void WorkerThread::Terminate() { SetEvent(terminated_.get()); }

bool WorkerThread::PauseUnlessTerminated(std::uint32_t milliseconds) {
  return WaitForSingleObject(terminated_.get(), milliseconds) == WAIT_TIMEOUT;
}

bool WorkerThread::Terminated() const {
  return WaitForSingleObject(terminated_.get(), 0) == WAIT_OBJECT_0;
}

void WorkerThread::Synchronize(const std::function<void()>& call) {
  SendMessageA(window_.Get(), kSynchronizeMessage, 0, reinterpret_cast<LPARAM>(&call));
}

LRESULT CALLBACK WorkerThread::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kSynchronizeMessage) return DefWindowProcA(window, message, wParam, lParam);
  try {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
  } catch (...) {
    App().HandleException();
  }
  return 0;
}

void WorkerThread::Run() {
  std::exception_ptr failure;
  try {
    Execute();
  } catch (...) {
    failure = std::current_exception();
  }
  Synchronize([this, &failure] {
    // Freed here, on the GUI thread that owns its window, after the handler.
    const std::unique_ptr<WorkerThread> done(this);
    if (OnTerminate) OnTerminate(*this);
    if (failure) std::rethrow_exception(failure);
  });
  // `this` is gone: nothing more to touch.
}

}  // namespace vantrel
