// Time and date texts for any moment and any regional separator setting.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "Main/TimeText.h"
#include "framework/LocalDateTime.h"
#include "tray/DateText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  int fields[7] = {};
  const std::size_t fieldBytes = std::min(size, sizeof fields);
  std::memcpy(fields, data, fieldBytes);
  const std::string_view setting(reinterpret_cast<const char*>(data) + fieldBytes,
                                 size - fieldBytes);
  const vantrel::LocalDateTime at{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
  vantrel::FormatTimeText(fields[6], at, vantrel::TimeSeparatorFromSetting(setting));
  vantrel::FormatDateText(at, vantrel::DateSeparatorFromSetting(setting));
  return 0;
}
