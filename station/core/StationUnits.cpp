// The running unit: the time-left line of the tooltip, refreshed once a minute between
// changes, and the record of every unit in history.csv. A row that cannot be written waits in
// memory, in order, until the file can be opened again; rows that still wait when Vantor ends
// go into a side file, which the next start appends first.
#include "station/core/Station.h"

#include <algorithm>
#include <utility>

namespace vantor {
namespace {

// A few hundred rows: units take hours, so this is weeks of a file held shut.
constexpr std::size_t kMaxWaitingRows = 300;
constexpr std::uint64_t kTipRefresh = 60 * kClockSecond;

}  // namespace

void Station::TrackUnit() {
  if (!record_) return;
  tipShown_ = record_->UnbiasedTime();
  // Only a percentage read from the agent's bar counts; without its form the icon shows 0.
  if (UDformhwnd == 0) return;
  QueueRow(units_.Seen(Percent, TaskName, tipShown_, record_->LocalNow()));
}

void Station::UnitsTick() {
  if (!record_) return;
  const std::uint64_t now = record_->UnbiasedTime();
  if (UDformhwnd == 0) {
    QueueRow(units_.Away(now));
  } else {
    units_.Present();
  }
  if (!historyRows_.empty()) WriteHistory();
  // The count-down between changes: the tooltip alone, no icon, no sound, no balloon.
  if (!settings_.TimeLeft || now - tipShown_ < kTipRefresh ||
      units_.EstimateAt(Percent, now).kind == EstimateKind::None) {
    return;
  }
  tipShown_ = now;
  const std::wstring tip = TooltipText();
  if (menu_.ShowIcon) {
    NotifyRecord record = TrayRecord(tip);
    record.flags &= ~(kNifInfo | kNifRealtime | kNifIcon);
    icons_.NotifyIcon(NotifyMode::Modify, record);
  }
  host_.SetIconWindowTip(tip);
}

void Station::EndUnit() {
  if (!record_) return;
  QueueRow(units_.End());
  if (!historyRows_.empty()) WriteHistory();
  KeepWaitingRows();
}

std::wstring Station::WithTimeLeft(const std::wstring& tip) const {
  if (!settings_.TimeLeft || !record_) return tip;
  const std::wstring line = TimeLeftLine(timeLeftTexts_, units_.EstimateAt(Percent, record_->UnbiasedTime()));
  // The tray's tooltip field, whose length the line must fit whole.
  return WithLine(tip, line, TrayRecord(tip).extended ? 127 : 63);
}

void Station::QueueRow(std::optional<HistoryRow> row) {
  if (!row) return;
  if (historyRows_.size() >= kMaxWaitingRows) {
    historyRows_.pop_front();
    ++historyDropped_;
    if (!std::exchange(droppedTold_, true)) ReportError(Filled(recordTexts_.dropped, {ini_.Path(kHistoryCsv)}));
  }
  historyRows_.push_back(HistoryLine(*row));
}

void Station::WriteHistory() {
  const std::wstring path = ini_.Path(kHistoryCsv);
  const std::size_t waiting = historyRows_.size();
  while (!historyRows_.empty()) {
    const AppendResult result = record_->Append(path, HistoryHeader(), historyRows_.front());
    // A file held shut by another program (a spreadsheet that has it open) is no fault.
    if (result == AppendResult::Held) break;
    // A failure is told once, with its cause, until a row is written again; where the folder
    // takes no new file, the one message about the folder tells it.
    OwnWrite(result == AppendResult::Written, NotWrittenText(recordTexts_, result, path), historyFailing_);
    if (result != AppendResult::Written) break;
    historyRows_.pop_front();
    droppedTold_ = false;
  }
  // The side file follows the rows written, so that a crash now writes none of them twice.
  if (waitingFileKept_ && historyRows_.size() < waiting) KeepWaitingRows();
}

void Station::LoadWaitingRows() {
  if (!record_) return;
  const std::optional<std::string> bytes = record_->ReadAll(ini_.Path(kHistoryWaitingCsv));
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

void Station::KeepWaitingRows() {
  const std::wstring path = ini_.Path(kHistoryWaitingCsv);
  if (historyRows_.empty()) {
    if (waitingFileKept_) waitingFileKept_ = !record_->Delete(path);
    return;
  }
  std::string bytes = HistoryHeader();
  for (const std::string& row : historyRows_) bytes += row;
  if (record_->Replace(path, bytes)) waitingFileKept_ = true;
}

}  // namespace vantor
