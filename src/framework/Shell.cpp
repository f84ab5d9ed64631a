#include "framework/Shell.h"

#include <memory>
#include <type_traits>

namespace vantrel {
namespace {

struct LibraryFreer {
  void operator()(HMODULE module) const { FreeLibrary(module); }
};

}  // namespace

template <typename Function>
Function* Shell::Find(const char* name) {
  static const std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer> library(
      LoadLibraryA("shell32.dll"));
  if (!library) return nullptr;
  // Through void*: an export's address has no type of its own.
  return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(library.get(), name)));
}

BOOL Shell::NotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  static const auto notify = Find<decltype(Shell_NotifyIconA)>("Shell_NotifyIconA");
  return notify ? notify(message, data) : FALSE;
}

void Shell::Open(const char* target) {
  static const auto execute = Find<decltype(ShellExecuteA)>("ShellExecuteA");
  if (execute) execute(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace vantrel
