#include "preference/core/HistoryPage.h"

#include <algorithm>
#include <utility>

namespace vantor::preference {
namespace {

constexpr std::size_t kBlock = 64 * 1024;
// A longer line is no row: it is counted as unreadable without being held in memory.
constexpr std::size_t kLongestLine = 64 * 1024;
constexpr std::int64_t kDay = 86400;

// Reads lines from the end of a file towards its start.
class TailLines {
 public:
  TailLines(HistoryReadPort& file, const std::wstring& path, std::uint64_t size)
      : file_(file), path_(path), start_(size) {}

  // The next line towards the start, without its line end; nothing at the file's start or when
  // the rest cannot be read. `tooLong` tells a line that was skipped for its length.
  std::optional<std::string> Next(bool& tooLong) {
    tooLong = false;
    for (;;) {
      const std::size_t lf = pending_.rfind('\n');
      if (lf != std::string::npos) {
        std::string line = pending_.substr(lf + 1);
        pending_.resize(lf);
        tooLong = std::exchange(skipping_, false);
        if (!tooLong) return line;
        return std::string();
      }
      if (start_ == 0) {
        if (done_) return std::nullopt;
        done_ = true;
        tooLong = std::exchange(skipping_, false);
        return tooLong ? std::string() : std::exchange(pending_, std::string());
      }
      const std::uint64_t from = start_ > kBlock ? start_ - kBlock : 0;
      std::string block;
      if (!file_.ReadAt(path_, from, static_cast<std::size_t>(start_ - from), block)) return std::nullopt;
      start_ = from;
      pending_ = block + pending_;
      if (pending_.find('\n') == std::string::npos && pending_.size() > kLongestLine) {
        skipping_ = true;  // the line goes on towards the start; only its length matters now
        pending_.clear();
      }
    }
  }

 private:
  HistoryReadPort& file_;
  const std::wstring& path_;
  std::uint64_t start_;  // the bytes from here on have been read
  std::string pending_;  // read, not yet given out: the start of the last line given and before
  bool skipping_ = false;
  bool done_ = false;
};

void Summarise(HistoryPageData& page, const std::vector<HistoryRow>& read, std::int64_t now) {
  const auto indexOf = [&page](const std::wstring& task) {
    for (std::size_t i = 0; i < page.tasks.size(); ++i) {
      if (page.tasks[i].task == task) return static_cast<int>(i);
    }
    page.tasks.push_back(TaskSummary{task, 0, 0, 0, std::nullopt});
    return static_cast<int>(page.tasks.size() - 1);
  };
  for (const HistoryRow& unit : page.units) page.taskOfUnit.push_back(indexOf(unit.task));
  std::vector<std::vector<std::int64_t>> lengths;
  for (const HistoryRow& row : read) {
    const auto task = static_cast<std::size_t>(indexOf(row.task));
    lengths.resize(page.tasks.size());
    if (row.end != UnitEnd::Finished) continue;
    const std::int64_t ended = SecondsOf(row.ended);
    const bool month = ended >= now - 30 * kDay;
    page.tasks[task].finishedWeek += ended >= now - 7 * kDay ? 1 : 0;
    page.tasks[task].finishedMonth += month ? 1 : 0;
    page.tasks[task].partMonth += month && !SeenWhole(row) ? 1 : 0;
    if (SeenWhole(row)) lengths[task].push_back(row.seconds);
  }
  for (std::size_t i = 0; i < lengths.size(); ++i) {
    if (!lengths[i].empty()) page.tasks[i].medianSeconds = Median(lengths[i]);
  }
}

// The file's encoding from its first bytes: three tell Vantor's own file by its byte-order
// mark; a file without one is read as far as the sample goes. UTF-8 when they cannot be read.
TextEncoding EncodingOf(HistoryReadPort& file, const std::wstring& path, std::uint64_t size) {
  std::string start;
  if (!file.ReadAt(path, 0, static_cast<std::size_t>(std::min<std::uint64_t>(3, size)), start)) return TextEncoding::Utf8;
  if (start.size() == 3 && HistoryHeader().starts_with(start)) return TextEncoding::Utf8;
  const std::size_t sample = static_cast<std::size_t>(std::min<std::uint64_t>(kEncodingSample, size));
  return file.ReadAt(path, 0, sample, start) ? HistoryEncoding(start) : TextEncoding::Utf8;
}

}  // namespace

HistoryPageData ReadHistoryPage(HistoryReadPort& file, const std::wstring& path, const LocalTime& now) {
  HistoryPageData page;
  std::uint64_t size = 0;
  page.file = file.Open(path, size);
  if (page.file != FileState::Readable) return page;
  const std::int64_t monthAgo = SecondsOf(now) - 30 * kDay;
  std::vector<HistoryRow> read;  // newest first
  TextDecoder decode = FromUtf8;
  if (EncodingOf(file, path, size) == TextEncoding::Ansi) decode = [&file](std::string_view bytes) { return file.FromAnsi(bytes); };
  TailLines lines(file, path, size);
  bool tooLong = false;
  while (const std::optional<std::string> line = lines.Next(tooLong)) {
    if (tooLong) {
      ++page.unreadable;
      continue;
    }
    HistoryLineRead got = ReadHistoryLine(*line, decode);
    if (got.kind == LineKind::Bad) ++page.unreadable;
    if (got.kind != LineKind::Row) continue;
    // Enough: the last 30 units are there, and this one ended before the last 30 days.
    if (read.size() >= kChartUnits && SecondsOf(got.row.ended) < monthAgo) break;
    read.push_back(std::move(got.row));
  }
  const std::size_t shown = std::min(read.size(), kChartUnits);
  page.units.assign(read.rbegin() + static_cast<std::ptrdiff_t>(read.size() - shown), read.rend());
  Summarise(page, read, SecondsOf(now));
  return page;
}

std::int64_t AxisStep(std::int64_t longest) {
  constexpr std::int64_t kSteps[] = {900, 1800, 3600, 7200, 10800, 14400, 21600, 28800, 43200};
  for (const std::int64_t step : kSteps) {
    if (longest <= 5 * step) return step;
  }
  return (longest + 5 * kDay - 1) / (5 * kDay) * kDay;
}

}  // namespace vantor::preference
