#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace vantrel {

// Reads the FileVersion string of the running executable's own version record.
// The record is read once, by the constructor; GetFileVersion looks the string
// up through the record's first translation entry.
class TProjectRcVersion final {
 public:
  TProjectRcVersion();

  // Copies the FileVersion string into `buffer` of `size` characters. False,
  // with the buffer untouched, when the executable has no usable record, the
  // string is missing, or it does not fit together with its terminator.
  bool GetFileVersion(char* buffer, std::uint32_t size);

 private:
  char modulePath[128] = {};
  std::unique_ptr<std::byte[]> versionData;
  // Into versionData: the first translation entry, language in the high half
  // after construction. Null when the record or its translation is missing.
  std::uint32_t* translation = nullptr;
};

}  // namespace vantrel
