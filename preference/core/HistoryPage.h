// The record page: what it shows of history.csv, read from the file's end only as far back as
// the page needs (the last 30 units or the last 30 days, whichever reaches further). Nothing in
// the file is ever changed here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/History.h"

namespace vantor::preference {

inline constexpr std::size_t kChartUnits = 30;

enum class FileState { Missing, Unreadable, Readable };

// The file as the page reads it.
class HistoryReadPort {
 public:
  virtual ~HistoryReadPort() = default;
  // Whether the file is there and can be read; its size in `size` when it can.
  virtual FileState Open(const std::wstring& path, std::uint64_t& size) = 0;
  // `length` bytes from `offset`; false when they cannot be read.
  virtual bool ReadAt(const std::wstring& path, std::uint64_t offset, std::size_t length, std::string& bytes) = 0;
  // Text in the system's ANSI code page, in which a spreadsheet may save the file again.
  virtual std::wstring FromAnsi(std::string_view bytes) = 0;
};

// A unit seen whole: from its start (0 or 1 %) to its end. Only these tell how long a unit takes.
inline bool SeenWhole(const HistoryRow& unit) { return unit.firstPercent <= 1; }

struct TaskSummary {
  std::wstring task;
  int finishedWeek = 0;   // units finished in the last 7 days, seen whole or not
  int finishedMonth = 0;  // ... in the last 30 days
  int partMonth = 0;      // of those, the units first seen part-way through
  std::optional<std::int64_t> medianSeconds;  // of its finished units read that were seen whole; none without one
};

struct HistoryPageData {
  FileState file = FileState::Missing;
  std::vector<HistoryRow> units;    // the last (up to) 30 units, oldest first
  std::vector<int> taskOfUnit;      // for each unit, its task's index in `tasks`
  std::vector<TaskSummary> tasks;   // the chart's tasks in the order they first appear, then the others read
  int unreadable = 0;               // bad lines among those read
};

// Reads the page's rows of the file at `path` as it is at `now`.
HistoryPageData ReadHistoryPage(HistoryReadPort& file, const std::wstring& path, const LocalTime& now);

// The step of the chart's time axis in seconds for bars up to `longest` seconds: a step of a
// quarter, half, 1, 2, 3, 4, 6, 8 or 12 hours or whole days, so that at most five steps reach
// past the longest bar.
std::int64_t AxisStep(std::int64_t longest);

}  // namespace vantor::preference
