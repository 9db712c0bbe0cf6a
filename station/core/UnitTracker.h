// The running work unit as the percentage shows it: the moments of its steps, for the time
// left, and what its row in the record holds. Times are 100-ns units of a clock that does
// not count the time the computer slept.
//
// A unit begins with the first percentage seen after Vantor starts, after the percentage
// fell, after another task's name was read at two looks in a row, or when the agent came back
// after a minute away. No task name ("" or "No task") ends nothing, and a unit that began
// without one takes the first name read. The
// change that follows a unit's first sight ends a step of unknown length and is not used; so
// is the first change after the agent's window was away. From then on every step is known;
// only the last five are kept.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "common/core/History.h"
#include "common/core/Clock.h"

namespace vantor {

enum class EstimateKind {
  None,         // no line: no unit, the agent away, the percentage at 0 or at 100
  Calculating,  // fewer than two known steps
  Left,         // `seconds` left
  Stalled,      // the current step has lasted more than three typical steps, `seconds` so far
};

struct Estimate {
  EstimateKind kind = EstimateKind::None;
  std::int64_t seconds = 0;
  friend bool operator==(const Estimate&, const Estimate&) = default;
};

class UnitTracker {
 public:
  // After a minute away, the agent's unit is over.
  static constexpr std::uint64_t kAgentGoneAfter = 60 * kClockSecond;

  // A percentage seen with the agent's window there, at `now` (its local time `local`):
  // a change, the first sight, or the same percentage again (which changes nothing). Returns
  // the row of the unit that ended when this began a new one.
  std::optional<HistoryRow> Seen(std::int16_t percent, const std::wstring& task, std::uint64_t now,
                                 const LocalTime& local);
  // One tick without the agent's window. Its unit's estimate ends at once; after a minute
  // away the unit ends too, and its row is returned once.
  std::optional<HistoryRow> Away(std::uint64_t now);
  // The agent's window is there at this tick.
  void Present();
  // Vantor ends: the running unit's row.
  std::optional<HistoryRow> End();

  // The time left at `now` while the agent shows `percent`. Within a step it only counts down.
  Estimate EstimateAt(std::int16_t percent, std::uint64_t now) const;
  // The typical step: the median of the last (up to) five known steps; 0 while fewer than two.
  std::uint64_t TypicalStep() const;

 private:
  struct Unit {
    std::wstring task;
    int firstPercent = 0, lastPercent = 0;
    LocalTime started, ended;
    std::uint64_t firstSight = 0;
    int changes = 0;  // percentages seen, the first sight included
  };
  std::optional<HistoryRow> Close(UnitEnd end);
  // Whether `task` is another task's name, read at this look and at the one before.
  bool NewTaskHolds(const std::wstring& task);

  std::optional<Unit> unit_;
  std::wstring newTask_;  // another task's name, read once
  std::deque<std::uint64_t> steps_;  // the last known steps, each per percent
  std::uint64_t stepStart_ = 0;      // when the current percentage was reached
  bool stepStartKnown_ = false;
  bool away_ = false;
  std::uint64_t awaySince_ = 0;
};

}  // namespace vantor
