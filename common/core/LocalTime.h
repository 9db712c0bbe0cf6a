// A moment of the local clock, as the system's calendar gives it.
#pragma once

#include <cstdint>

namespace vantor {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// Seconds from 1970-01-01 00:00:00 of the same clock to `time`, for comparing and subtracting
// moments; the calendar is the proleptic Gregorian one.
inline std::int64_t SecondsOf(const LocalTime& time) {
  // Days from the civil date: the year is counted from March, so that February ends it.
  const std::int64_t y = time.year - (time.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t dayOfYear = (153 * (time.month + (time.month > 2 ? -3 : 9)) + 2) / 5 + time.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t days = era * 146097 + dayOfEra - 719468;
  return days * 86400 + time.hour * 3600 + time.minute * 60 + time.second;
}

}  // namespace vantor
