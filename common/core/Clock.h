// The clock: the local time, a time that does not count sleep, and dates as the user reads them.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/LocalTime.h"
#include "common/core/Ports.h"

namespace vantor {

// 100-nanosecond units.
inline constexpr std::uint64_t kClockSecond = 10'000'000;

class ClockPort {
 public:
  virtual ~ClockPort() = default;
  // The clock and its time zone as they are now.
  virtual LocalTime LocalNow() = 0;
  // Time since the system started, in 100-ns units, without the time spent asleep or hibernating.
  virtual std::uint64_t UnbiasedTime() = 0;
  // A modification time in the system's general date-and-time format.
  virtual std::wstring DateTimeText(FileStamp stamp) = 0;
};

}  // namespace vantor
