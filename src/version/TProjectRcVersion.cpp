#include "version/TProjectRcVersion.h"

#include <windows.h>

namespace vantrel {

TProjectRcVersion::TProjectRcVersion() {
  // A path that fills the buffer may have been cut short (and left without a
  // terminator on older systems): it would name some other file, if any.
  const DWORD pathLength = GetModuleFileNameA(nullptr, modulePath, sizeof modulePath);
  if (pathLength == 0 || pathLength >= sizeof modulePath) return;

  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(modulePath, &handle);
  if (size == 0) return;
  versionData = std::make_unique<std::byte[]>(size);
  if (!GetFileVersionInfoA(modulePath, handle, size, versionData.get())) return;

  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(versionData.get(), "\\VarFileInfo\\Translation", &value, &length) ||
      length < sizeof(std::uint32_t)) {
    return;
  }
  translation = static_cast<std::uint32_t*>(value);
  // Stored as language, code page; the sub-block names want the language first.
  *translation = (*translation << 16) | (*translation >> 16);
}

bool TProjectRcVersion::GetFileVersion(char* buffer, std::uint32_t size) {
  if (!translation) return false;
  char subBlock[128];
  wsprintfA(subBlock, "\\StringFileInfo\\%08lx\\%s", static_cast<unsigned long>(*translation),
            "FileVersion");
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(versionData.get(), subBlock, &value, &length)) return false;
  const auto* text = static_cast<const char*>(value);
  // The recorded length counts the terminator. A record whose length leaves
  // the terminator out (some resource compilers write such records) must not
  // overrun the buffer either, so the text itself has to fit too.
  if (length > size || static_cast<std::uint32_t>(lstrlenA(text)) >= size) return false;
  lstrcpyA(buffer, text);
  return true;
}

}  // namespace vantrel
