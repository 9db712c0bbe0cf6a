#include "preference/core/HistoryPage.h"

#include <gtest/gtest.h>

namespace vantor {
namespace {

// The file as bytes; reads from `failBelow` on towards the start fail.
class FakeHistoryFile : public preference::HistoryReadPort {
 public:
  preference::FileState Open(const std::wstring&, std::uint64_t& size) override { return size = bytes.size(), state; }
  std::wstring FromAnsi(std::string_view text) override { return text == "\x83\x49\x83\x70\x81\x5B\x83\x8B" ? L"オパール" : L"?"; }
  bool ReadAt(const std::wstring&, std::uint64_t offset, std::size_t length, std::string& out) override {
    read += length;
    out = bytes.substr(static_cast<std::size_t>(offset), length);
    return offset >= failBelow;
  }
  std::string bytes;
  preference::FileState state = preference::FileState::Readable;
  std::uint64_t failBelow = 0;
  std::size_t read = 0;
};

LocalTime HourBefore(LocalTime t) {
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};  // of 2004; a test goes back no further than 2003's March
  if (--t.hour >= 0) return t;
  t.hour = 23;
  if (--t.day >= 1) return t;
  t.year -= t.month == 1 ? 1 : 0;
  t.month = t.month == 1 ? 12 : t.month - 1;
  t.day = kDays[t.month - 1];
  return t;
}

// `count` units of an hour, the newest ending at 2004-03-07 00:00:00; every other one finished.
std::string Units(int count, const char* task = "OPAL") {
  std::vector<std::string> rows;
  LocalTime ended{2004, 3, 7, 0, 0, 0};
  for (int i = 0; i < count; ++i, ended = HourBefore(ended)) {
    rows.push_back(HistoryLine({FromUtf8(task), ended, ended, 3600, 1, 100, i % 2 ? UnitEnd::NewUnit : UnitEnd::Finished}));
  }
  std::string text;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) text += *row;
  return text;
}

TEST(HistoryPage, ReadsFromTheEndAsFarAsThePageNeedsAndCountsWhatItCannotRead) {
  using preference::FileState;
  const LocalTime now{2004, 3, 7, 0, 0, 0};
  const std::string longLine(200 * 1024, 'x');
  const struct {
    const char* what;
    std::string bytes;
    FileState state;
    std::size_t readableTail;  // bytes at the end that can be read; 0 for all
    std::size_t units;
    int unreadable;
    std::wstring task;  // the last task's summary
    int finishedWeek, partMonth;
    std::int64_t median;
  } cases[] = {
      {"no file", "", FileState::Missing, 0, 0, 0, L"", 0, 0, 0},
      {"held shut", "", FileState::Unreadable, 0, 0, 0, L"", 0, 0, 0},
      {"header only", HistoryHeader(), FileState::Readable, 0, 0, 0, L"", 0, 0, 0},
      {"damaged lines between rows, no line end at the end",
       HistoryHeader() + Units(3) + "broken\r\n,,\r\n" + longLine + "\r\n" + Units(2, "BOLERO") + "half a row,2004",
       FileState::Readable, 0, 5, 4, L"BOLERO", 1, 0, 3600},
      {"30 days of units: the month, not the first 30 units", HistoryHeader() + Units(3000), FileState::Readable, 0, 30, 0, L"OPAL", 85, 0, 3600},
      {"a read that fails on the way keeps what was read",
       HistoryHeader() + Units(10) + std::string(70 * 1024, 'x') + "\r\n" + Units(5), FileState::Readable, 65536, 5, 0, L"OPAL", 3, 0, 3600},
      {"saved again in the ANSI code page; a unit seen from 98 % counts apart",
       "task,started,ended,seconds,first_percent,last_percent,end\r\n\x83\x49\x83\x70\x81\x5B\x83\x8B,2004/3/6 9:05,2004/3/6 "
       "22:00,46500,1,100,finished\r\n\x83\x49\x83\x70\x81\x5B\x83\x8B,2004/3/6 22:00,2004/3/6 22:02,120,98,100,finished\r\n",
       FileState::Readable, 0, 2, 0, L"オパール", 2, 1, 46500},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeHistoryFile file;
    file.bytes = c.bytes;
    file.state = c.state;
    if (c.readableTail > 0) file.failBelow = c.bytes.size() - c.readableTail;
    const preference::HistoryPageData page = preference::ReadHistoryPage(file, L"history.csv", now);
    EXPECT_EQ(page.file, c.state);
    EXPECT_EQ(page.units.size(), c.units);
    EXPECT_EQ(page.unreadable, c.unreadable);
    const preference::TaskSummary last = page.tasks.empty() ? preference::TaskSummary{} : page.tasks.back();
    EXPECT_TRUE(last.task == c.task && last.finishedWeek == c.finishedWeek && last.partMonth == c.partMonth);
    EXPECT_EQ(last.medianSeconds.value_or(0), c.median);
    if (c.units == 30) {
      EXPECT_EQ(page.tasks.back().finishedMonth, 361) << "every finished unit of 30 days";
      EXPECT_EQ(page.units.back().ended, now) << "the newest unit last";
      EXPECT_LT(file.read, file.bytes.size() / 2) << "not the whole file";
    }
  }
}

}  // namespace
}  // namespace vantor
