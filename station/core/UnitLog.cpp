#include "station/core/UnitLog.h"

#include <algorithm>
#include <utility>

namespace vantor {
namespace {

// A few hundred rows: units take hours, so this is weeks of a file held shut.
constexpr std::size_t kMaxWaitingRows = 300;
constexpr std::uint64_t kTipRefresh = 60 * kClockSecond;

}  // namespace

void UnitLog::Seen(bool agentThere, std::int16_t percent, const std::wstring& task) {
  if (!file_) return;
  tipShown_ = clock_.UnbiasedTime();
  // Only a percentage read from the agent's bar counts; without its form the icon shows 0.
  if (!agentThere) return;
  QueueRow(units_.Seen(percent, task, tipShown_, clock_.LocalNow()));
}

bool UnitLog::Tick(bool agentThere, std::int16_t percent) {
  if (!file_) return false;
  const std::uint64_t now = clock_.UnbiasedTime();
  if (agentThere) {
    units_.Present();
  } else {
    QueueRow(units_.Away(now));
  }
  if (!historyRows_.empty()) WriteHistory();
  // The count-down between changes: the tooltip alone, no icon, no sound, no balloon.
  if (!settings_.TimeLeft || now - tipShown_ < kTipRefresh || units_.EstimateAt(percent, now).kind == EstimateKind::None) {
    return false;
  }
  tipShown_ = now;
  return true;
}

void UnitLog::EndUnit() {
  if (!file_) return;
  QueueRow(units_.End());
  if (!historyRows_.empty()) WriteHistory();
  KeepWaitingRows();
}

std::wstring UnitLog::WithTimeLeft(const std::wstring& tip, std::int16_t percent, std::size_t limit) const {
  if (!settings_.TimeLeft || !file_) return tip;
  return WithLine(tip, TimeLeftLine(texts_.timeLeft, units_.EstimateAt(percent, clock_.UnbiasedTime())), limit);
}

void UnitLog::QueueRow(std::optional<HistoryRow> row) {
  if (!row) return;
  if (historyRows_.size() >= kMaxWaitingRows) {
    historyRows_.pop_front();
    ++historyDropped_;
    if (!std::exchange(droppedTold_, true)) reports_.ReportError(Filled(texts_.record.dropped, {ini_.Path(kHistoryCsv)}));
  }
  historyRows_.push_back(HistoryLine(*row));
}

void UnitLog::WriteHistory() {
  const std::wstring path = ini_.Path(kHistoryCsv);
  const std::size_t waiting = historyRows_.size();
  while (!historyRows_.empty()) {
    const AppendResult result = file_->Append(path, HistoryHeader(), historyRows_.front());
    // A file held shut by another program (a spreadsheet that has it open) is no fault.
    if (result == AppendResult::Held) break;
    // A failure is told once, with its cause, until a row is written again; where the folder
    // takes no new file, the one message about the folder tells it.
    reports_.OwnWrite(result == AppendResult::Written, NotWrittenText(texts_.record, result, path), history_);
    if (result != AppendResult::Written) break;
    historyRows_.pop_front();
    droppedTold_ = false;
  }
  // The side file follows the rows written, so that a crash now writes none of them twice.
  if (waitingFileKept_ && historyRows_.size() < waiting) KeepWaitingRows();
}

void UnitLog::LoadWaitingRows() {
  if (!file_) return;
  const std::optional<std::string> bytes = file_->ReadAll(ini_.Path(kHistoryWaitingCsv));
  if (!bytes) return;
  waitingFileKept_ = true;
  // Every line but the header goes on as it stands: a line that is no row is still the user's.
  for (std::size_t start = 0; start < bytes->size();) {
    const std::size_t end = std::min(bytes->find('\n', start), bytes->size());
    const std::string line = bytes->substr(start, end - start);
    start = end + 1;
    const LineKind kind = ReadHistoryLine(line).kind;
    if (kind == LineKind::Row || kind == LineKind::Bad) {
      historyRows_.push_back(line.back() == '\r' ? line + "\n" : line + "\r\n");
    }
  }
  if (historyRows_.empty()) {
    KeepWaitingRows();
  } else {
    WriteHistory();
  }
}

void UnitLog::KeepWaitingRows() {
  const std::wstring path = ini_.Path(kHistoryWaitingCsv);
  if (historyRows_.empty()) {
    if (waitingFileKept_) waitingFileKept_ = !file_->Delete(path);
    return;
  }
  std::string bytes = HistoryHeader();
  for (const std::string& row : historyRows_) bytes += row;
  if (file_->Replace(path, bytes)) waitingFileKept_ = true;
}

}  // namespace vantor
