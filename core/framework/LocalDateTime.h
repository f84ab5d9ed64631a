#pragma once

namespace vantrel {

// A local calendar date and wall-clock time.
struct LocalDateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
};

// Where the clock reads the time; tests stand it at any moment they like.
class TimeSource {
 public:
  virtual ~TimeSource() = default;
  virtual LocalDateTime Now() = 0;
};

}  // namespace vantrel
