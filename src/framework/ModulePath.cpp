#include "framework/ModulePath.h"

#include <windows.h>

namespace vantrel {

std::string ModulePath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // truncated: try a larger buffer
  }
}

}  // namespace vantrel
