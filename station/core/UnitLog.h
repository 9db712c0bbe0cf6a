// The units the agent works through: the time left that the tooltip shows, refreshed once a
// minute between changes, and the record of every unit in history.csv. A row that cannot be
// written waits in memory, in order, until the file can be opened again; rows that still wait
// when Vantor ends go into a side file, which the next start appends first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "common/core/Clock.h"
#include "common/core/IniFile.h"
#include "common/core/Settings.h"
#include "station/core/HistoryFilePort.h"
#include "station/core/RecordTexts.h"
#include "station/core/Reports.h"
#include "station/core/TimeLeft.h"
#include "station/core/UnitTracker.h"

namespace vantor {

struct UnitLogTexts {
  TimeLeftTexts timeLeft;
  RecordTexts record;
};

class UnitLog {
 public:
  // Without a history file there is neither a time left nor a record.
  UnitLog(HistoryFilePort* file, ClockPort& clock, const IniFile& ini, const MainSettings& settings, Reports& reports,
          UnitLogTexts texts)
      : file_(file), clock_(clock), ini_(ini), settings_(settings), reports_(reports), texts_(std::move(texts)) {}
  UnitLog(const UnitLog&) = delete;
  UnitLog& operator=(const UnitLog&) = delete;

  // Start-up: the rows an earlier run left waiting in the side file, ahead of this run's.
  void LoadWaitingRows();
  // The tooltip was set anew, with the percentage `percent` of the agent's form (or no form)
  // and the task name `task` read for it: a new unit may begin, and the row of one that ended
  // waits for the file.
  void Seen(bool agentThere, std::int16_t percent, const std::wstring& task);
  // One tick's look at the agent; rows that wait are written. True when the tooltip is due
  // for its once-a-minute count-down.
  bool Tick(bool agentThere, std::int16_t percent);
  // Vantor or the session ends: the running unit's row, and the rows that still wait kept.
  void EndUnit();
  // `tip` with the time left at `percent`, where the line fits `limit` characters whole.
  std::wstring WithTimeLeft(const std::wstring& tip, std::int16_t percent, std::size_t limit) const;

  // Rows that wait for history.csv, and those dropped because too many waited.
  std::size_t RowsWaiting() const { return historyRows_.size(); }
  std::size_t RowsDropped() const { return historyDropped_; }

 private:
  void QueueRow(std::optional<HistoryRow> row);
  void WriteHistory();
  // The side file in line with the rows that wait: written whole, or gone when none waits.
  void KeepWaitingRows();

  HistoryFilePort* file_;
  ClockPort& clock_;
  const IniFile& ini_;
  const MainSettings& settings_;
  Reports& reports_;
  UnitLogTexts texts_;
  UnitTracker units_;
  std::deque<std::string> historyRows_;  // rows not yet written, oldest first
  std::size_t historyDropped_ = 0;
  FailOnce history_;
  bool droppedTold_ = false;      // until a row is written again
  bool waitingFileKept_ = false;  // the side file holds rows (some may be written since)
  std::uint64_t tipShown_ = 0;    // when the tooltip was last set
};

}  // namespace vantor
