// The time-left line of the tooltip, from the string table's texts ("%1", "%2" stand for the
// numbers), and the rule that a line which does not fit the tooltip is left out whole.
#pragma once

#include <cstddef>
#include <string>

#include "station/core/UnitTracker.h"

namespace vantor {

struct TimeLeftTexts {
  std::wstring calculating;   // fewer than two known steps
  std::wstring minutes;       // under an hour: %1 minutes, at least 1
  std::wstring hoursMinutes;  // from an hour on: %1 hours %2 minutes, rounded to 5 minutes
  std::wstring daysHours;     // from a day on: %1 days %2 hours
  std::wstring stalled;       // no progress for %1 minutes
};

// The line for `estimate`; empty for EstimateKind::None.
std::wstring TimeLeftLine(const TimeLeftTexts& texts, const Estimate& estimate);

// `tip` followed by a line break and `line` when the whole fits `limit` characters, else `tip`.
std::wstring WithLine(const std::wstring& tip, const std::wstring& line, std::size_t limit);

}  // namespace vantor
