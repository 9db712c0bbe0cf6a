#include "station/core/UnitTracker.h"

#include <algorithm>
#include <vector>

namespace vantor {
namespace {

constexpr std::size_t kKeptSteps = 5;

std::int64_t WholeSeconds(std::uint64_t time) {
  return static_cast<std::int64_t>((time + kClockSecond / 2) / kClockSecond);
}

// No science process found: it may be starting again between two steps of its unit.
bool Unnamed(const std::wstring& task) { return task.empty() || task == L"No task"; }

}  // namespace

std::optional<HistoryRow> UnitTracker::Seen(std::int16_t percent, const std::wstring& task, std::uint64_t now,
                                            const LocalTime& local) {
  away_ = false;
  std::optional<HistoryRow> ended;
  if (unit_ && (NewTaskHolds(task) || percent < unit_->lastPercent)) ended = Close(UnitEnd::NewUnit);
  if (!unit_) {
    unit_ = Unit{task, percent, percent, local, local, now, 1};
    steps_.clear();
    stepStart_ = now;
    stepStartKnown_ = false;
    return ended;
  }
  if (percent == unit_->lastPercent) return ended;
  if (stepStartKnown_) {
    // A change by more than one percent counts as that many equal steps.
    steps_.push_back((now - stepStart_) / static_cast<std::uint64_t>(percent - unit_->lastPercent));
    if (steps_.size() > kKeptSteps) steps_.pop_front();
  }
  stepStart_ = now;
  stepStartKnown_ = true;
  unit_->lastPercent = percent;
  unit_->ended = local;
  ++unit_->changes;
  return ended;
}

bool UnitTracker::NewTaskHolds(const std::wstring& task) {
  if (task == unit_->task || Unnamed(task)) {
    newTask_.clear();
    return false;
  }
  if (Unnamed(unit_->task)) {  // the unit's name was not known when it began
    unit_->task = task;
    return false;
  }
  // A name read once may be a process that is starting or ending; the second look decides.
  if (newTask_ == task) return true;
  newTask_ = task;
  return false;
}

std::optional<HistoryRow> UnitTracker::Away(std::uint64_t now) {
  if (!away_) {
    away_ = true;
    awaySince_ = now;
    // The estimate ends; how long the agent stays at its percentage once back is not a step.
    steps_.clear();
    stepStartKnown_ = false;
  }
  if (unit_ && now - awaySince_ >= kAgentGoneAfter) return Close(UnitEnd::AgentGone);
  return std::nullopt;
}

void UnitTracker::Present() { away_ = false; }

std::optional<HistoryRow> UnitTracker::End() { return Close(UnitEnd::VantorExit); }

std::optional<HistoryRow> UnitTracker::Close(UnitEnd end) {
  if (!unit_) return std::nullopt;
  const Unit unit = *unit_;
  unit_.reset();
  newTask_.clear();
  steps_.clear();
  stepStartKnown_ = false;
  if (unit.changes < 2) return std::nullopt;
  return HistoryRow{unit.task,
                    unit.started,
                    unit.ended,
                    WholeSeconds(stepStart_ - unit.firstSight),  // the last change
                    unit.firstPercent,
                    unit.lastPercent,
                    unit.lastPercent >= 99 ? UnitEnd::Finished : end};
}

std::uint64_t UnitTracker::TypicalStep() const {
  if (steps_.size() < 2) return 0;
  return static_cast<std::uint64_t>(Median(std::vector<std::int64_t>(steps_.begin(), steps_.end())));
}

Estimate UnitTracker::EstimateAt(std::int16_t percent, std::uint64_t now) const {
  if (!unit_ || away_ || percent <= 0 || percent >= 100) return {};
  const std::uint64_t step = TypicalStep();
  if (step == 0 || !stepStartKnown_) return {EstimateKind::Calculating, 0};
  const std::uint64_t spent = now > stepStart_ ? now - stepStart_ : 0;
  if (spent > 3 * step) return {EstimateKind::Stalled, WholeSeconds(spent)};
  const auto toGo = static_cast<std::uint64_t>(100 - percent);
  const std::uint64_t left = std::max(step * toGo - std::min(spent, step * toGo), step * (toGo - 1));
  return {EstimateKind::Left, WholeSeconds(left)};
}

}  // namespace vantor
