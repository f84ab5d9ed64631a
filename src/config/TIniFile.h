#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantrel {

// One settings file, read and written through the system's profile functions.
// Constructing it touches no file; destroying it flushes the system's cache of
// the file.
class TIniFile final {
 public:
  static constexpr unsigned kReadBufferSize = 2048;

  explicit TIniFile(std::string path);
  ~TIniFile();
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;

  const std::string& FileName() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // The integer rule applied to the stored text; the default when it fails.
  std::int32_t ReadInteger(const std::string& section, const std::string& key,
                           std::int32_t defaultValue) const;
  // Throws EIniFileException "<path> に書き込めません" when the system refuses.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, std::int32_t value);

 private:
  std::string path_;
  // Whether the file is a link, asked at the first write: a save writes
  // several keys, and the answer takes a few calls to the file system.
  std::optional<bool> linked_;
};

}  // namespace vantrel
