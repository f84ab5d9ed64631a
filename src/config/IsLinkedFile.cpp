#include "config/IsLinkedFile.h"

#include <windows.h>

#include <string>

#include "framework/OwnedFile.h"
#include "framework/OwnedFileSearch.h"

namespace vantrel {
namespace {

using FinalPathFunction = DWORD(WINAPI*)(HANDLE, LPWSTR, DWORD, DWORD);
using CompareOrdinalFunction = int(WINAPI*)(LPCWCH, int, LPCWCH, int, BOOL);

// Both came with Vista; looked up so that the program still starts on older
// systems, which have no links to files.
template <typename Function>
Function KernelFunction(const char* name) {
  // Through void*: an export's address has no type of its own.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), name)));
}

HANDLE NullIfInvalid(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }

std::wstring Widen(const std::string& text) {
  const int size = static_cast<int>(text.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Opens a file or folder only to ask about it: no access to what it holds, in
// no one's way.
HANDLE OpenToAsk(const std::wstring& path) {
  return CreateFileW(path.c_str(), 0, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS,
                     nullptr);
}

// Whether the name is taken although nothing is listed under it: some systems
// leave a link to nothing out of the listing. Making a new file never follows
// a link, so the attempt tells; a file it does make goes away on closing.
bool NameTaken(const std::wstring& path) {
  const HANDLE probe = CreateFileW(path.c_str(), 0, kShareAll, nullptr, CREATE_NEW,
                                   FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (probe == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_FILE_EXISTS;
  const OwnedFile made(probe);
  return false;
}

// The path the system reaches an open file by, every link on the way
// resolved; empty when it cannot tell.
std::wstring FinalPath(FinalPathFunction finalPathOf, const OwnedFile& file) {
  std::wstring path(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD length =
        finalPathOf(file.Get(), path.data(), static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED);
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.assign(length, L'\0');  // too short: the length asked for counts the terminator
  }
  return {};
}

// The folder a path names its file in; a drive's root keeps its backslash.
std::wstring FolderOf(const std::wstring& path, std::size_t separator) {
  const bool driveRoot = separator == 2 && path[1] == L':';
  return path.substr(0, driveRoot ? separator + 1 : separator);
}

}  // namespace

bool IsLinkedFile(const std::string& path) {
  const std::wstring widePath = Widen(path);
  WIN32_FIND_DATAW entry{};
  const OwnedFileSearch listed(NullIfInvalid(FindFirstFileW(widePath.c_str(), &entry)));
  // Only a reparse point that stands for another name is a link: cloud and
  // deduplicated files are reparse points too, and saving to them is fine.
  if (listed && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
      IsReparseTagNameSurrogate(entry.dwReserved0)) {
    return true;
  }

  const HANDLE opened = OpenToAsk(widePath);
  if (opened == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return false;
    // Listed yet not there, or not listed yet taken: a link to nothing.
    return listed || NameTaken(widePath);
  }
  const OwnedFile file(opened);
  if (!listed) return false;

  // Only the last name is compared: the final path resolves every linked
  // folder on the way too, and a clock may well live in one.
  const std::size_t separator = widePath.find_last_of(L"\\/");
  static const auto finalPathOf = KernelFunction<FinalPathFunction>("GetFinalPathNameByHandleW");
  static const auto compareOrdinal = KernelFunction<CompareOrdinalFunction>("CompareStringOrdinal");
  if (separator == std::wstring::npos || !finalPathOf || !compareOrdinal) return false;
  const OwnedFile folder(NullIfInvalid(OpenToAsk(FolderOf(widePath, separator))));
  if (!folder) return false;
  const std::wstring fileFinal = FinalPath(finalPathOf, file);
  std::wstring expected = FinalPath(finalPathOf, folder);
  if (fileFinal.empty() || expected.empty()) return false;
  if (expected.back() != L'\\') expected += L'\\';
  expected += entry.cFileName;
  return compareOrdinal(fileFinal.c_str(), static_cast<int>(fileFinal.size()), expected.c_str(),
                        static_cast<int>(expected.size()), TRUE) != CSTR_EQUAL;
}

}  // namespace vantrel
