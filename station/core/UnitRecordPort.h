// What the time left and the record of the units need of the platform: a clock that does not
// count the time the computer slept, the local clock, and appending to the record's file.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/LocalTime.h"

namespace vantor {

// 100-nanosecond units.
inline constexpr std::uint64_t kClockSecond = 10'000'000;

enum class AppendResult {
  Written,
  Held,    // another program holds the file shut (it opened it without sharing)
  Failed,  // anything else: no such folder, no room, no right to write
};

class UnitRecordPort {
 public:
  virtual ~UnitRecordPort() = default;
  // Time since the system started, in 100-ns units, without the time spent asleep or hibernating.
  virtual std::uint64_t UnbiasedTime() = 0;
  virtual LocalTime LocalNow() = 0;
  // Adds `row` at the end of the file in one write, after `header` when the file is new or
  // empty, and after a line end when the file's last line has none; the bytes there are never
  // touched. A row is written whole or not at all.
  virtual AppendResult Append(const std::wstring& path, const std::string& header, const std::string& row) = 0;
};

}  // namespace vantor
