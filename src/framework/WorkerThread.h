#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "framework/OwnedWindow.h"

namespace vantrel {

// Work on a thread of its own that hands its results to the GUI thread. The
// object is made on the GUI thread and, once started, belongs to the thread:
// after Execute has returned, OnTerminate runs on the GUI thread while the
// worker waits, and then the object is freed.
class WorkerThread {
 public:
  virtual ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Runs worker->Execute on a new thread. Throws when no thread can be made;
  // the worker is freed then.
  static void Start(std::unique_ptr<WorkerThread> worker);

  // Asks Execute to end: a pause running or to come returns false. Any thread.
  void Terminate();

  // Set before Start; runs on the GUI thread.
  std::function<void(WorkerThread& sender)> OnTerminate;

 protected:
  // On the GUI thread, which from then on carries out Synchronize calls.
  // Throws Exception when the system refuses a window or an event.
  WorkerThread();

  virtual void Execute() = 0;
  // Runs `call` on the GUI thread and returns once it has run there. An
  // exception from it goes to the standard error display.
  void Synchronize(const std::function<void()>& call);
  // Sleeps up to `milliseconds`; false as soon as Terminate has been called.
  bool PauseUnlessTerminated(std::uint32_t milliseconds);
  bool Terminated() const;

 private:
  static DWORD WINAPI ThreadEntry(LPVOID worker);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run();

  struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
  };

  OwnedWindow window_;  // of the GUI thread
  // Manual-reset event, set by Terminate.
  std::unique_ptr<void, HandleCloser> terminated_;
};

}  // namespace vantrel
