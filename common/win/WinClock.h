// The clock over kernel32: local time, the unbiased interrupt time and the user's date format.
#pragma once

#include "common/core/Clock.h"

namespace vantor {

class WinClock : public ClockPort {
 public:
  LocalTime LocalNow() override;
  std::uint64_t UnbiasedTime() override;
  std::wstring DateTimeText(FileStamp stamp) override;
};

}  // namespace vantor
