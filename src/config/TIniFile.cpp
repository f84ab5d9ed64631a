#include "config/TIniFile.h"

#include <windows.h>

#include "config/EIniFileException.h"
#include "config/IsLinkedFile.h"
#include "config/IntegerRule.h"

namespace vantrel {

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

TIniFile::~TIniFile() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str()); }

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) const {
  char buffer[kReadBufferSize];
  const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                                buffer, kReadBufferSize, path_.c_str());
  return std::string(buffer, length);
}

std::int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                                   std::int32_t defaultValue) const {
  return TryParseInteger(ReadString(section, key, "")).value_or(defaultValue);
}

void TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  // A read-only file is refused up front: a privileged account could otherwise
  // write through the attribute on some file systems. So is a file that is a
  // link, so that a save never lands somewhere the user did not see.
  const DWORD attributes = GetFileAttributesA(path_.c_str());
  const bool readOnly =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
  if (!linked_) linked_ = IsLinkedFile(path_);
  if (readOnly || *linked_ ||
      !WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str())) {
    throw EIniFileException(path_ + " に書き込めません");
  }
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key,
                            std::int32_t value) {
  WriteString(section, key, std::to_string(value));
}

}  // namespace vantrel
