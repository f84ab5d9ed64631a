#include "framework/SystemTimeSource.h"

#include <windows.h>

namespace vantrel {

LocalDateTime SystemTimeSource::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

SystemTimeSource& SystemTimeSource::Instance() {
  static SystemTimeSource instance;
  return instance;
}

}  // namespace vantrel
