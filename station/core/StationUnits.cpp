// The running unit: the time-left line of the tooltip, refreshed once a minute between
// changes, and the record of every unit in history.csv. A row that cannot be written waits in
// memory, in order, until the file can be opened again.
#include "station/core/Station.h"

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
    record.flags &= ~(kNifInfo | kNifIcon);
    icons_.NotifyIcon(NotifyMode::Modify, record);
  }
  host_.SetIconWindowTip(tip);
}

void Station::EndUnit() {
  if (!record_) return;
  QueueRow(units_.End());
  if (!historyRows_.empty()) WriteHistory();
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
  }
  historyRows_.push_back(HistoryLine(*row));
}

void Station::WriteHistory() {
  while (!historyRows_.empty()) {
    const AppendResult result = record_->Append(ini_.Path(kHistoryCsv), HistoryHeader(), historyRows_.front());
    if (result == AppendResult::Written) historyRows_.pop_front();
    // A file held shut by another program (a spreadsheet that has it open) is no fault.
    if (result == AppendResult::Held) return;
    OwnWrite(result == AppendResult::Written || files_.CanWriteIn(ini_.Folder()), L"WriteHistory", historyFailing_);
    if (result != AppendResult::Written) return;
  }
}

}  // namespace vantor
