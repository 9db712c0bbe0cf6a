#include "bench/win/PreferenceStartBench.h"

#include <algorithm>

#include "bench/win/Timing.h"
#include "common/core/History.h"
#include "preference/core/HistoryPage.h"
#include "tests/e2e/PreferenceProgram.h"

namespace vantor::bench {
namespace {

constexpr int kRows = 100000;

LocalTime LocalOf(ULARGE_INTEGER time) {
  SYSTEMTIME t{};
  ::FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&time), &t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

// `kRows` units of the three tasks back to back up to now, each `seconds` long, every
// seventh one not finished.
std::string Units(std::uint64_t seconds) {
  const wchar_t* tasks[] = {L"LigandFit", L"BOLERO", L"OPAL"};
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  ULARGE_INTEGER at{};
  ::SystemTimeToFileTime(&now, reinterpret_cast<FILETIME*>(&at));
  at.QuadPart -= seconds * 10'000'000ULL * kRows;
  std::string text = HistoryHeader();
  for (int i = 0; i < kRows; ++i) {
    const LocalTime started = LocalOf(at);
    at.QuadPart += seconds * 10'000'000ULL;
    const bool finished = i % 7 != 3;
    text += HistoryLine({tasks[i % 3], started, LocalOf(at), static_cast<std::int64_t>(seconds), 1,
                         finished ? 100 : 57, finished ? UnitEnd::Finished : UnitEnd::NewUnit});
  }
  return text;
}

// The page's reading over the bytes in memory, counting what it reads.
class CountingFile : public preference::HistoryReadPort {
 public:
  explicit CountingFile(const std::string& bytes) : bytes_(bytes) {}
  preference::FileState Open(const std::wstring&, std::uint64_t& size) override {
    size = bytes_.size();
    return preference::FileState::Readable;
  }
  bool ReadAt(const std::wstring&, std::uint64_t offset, std::size_t length, std::string& out) override {
    out = bytes_.substr(static_cast<std::size_t>(offset), length);
    read += length;
    return true;
  }
  std::wstring FromAnsi(std::string_view bytes) override { return std::wstring(bytes.begin(), bytes.end()); }
  std::uint64_t read = 0;

 private:
  const std::string& bytes_;
};

// Milliseconds from the start of the process to its window on the screen; negative on failure.
double StartOnce(const test::PreferenceProgram& program) {
  const double start = Seconds();
  test::Process process = test::Process::Start(program.Exe());
  HWND window = nullptr;
  while (!(window = test::PreferenceProgram::MainWindow(process)) && Seconds() - start < 30) ::Sleep(1);
  const double ms = (Seconds() - start) * 1000;
  if (!window) return -1;
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  process.Wait(10000);
  return ms;
}

}  // namespace

PreferenceStartFigures RunPreferenceStartBench(int runs) {
  PreferenceStartFigures figures;
  figures.runs = runs;
  const struct {
    const char* what;
    std::uint64_t seconds;
  } files[] = {{"none", 0}, {"100,000 units of 3 h (34 years)", 3 * 3600}, {"100,000 units of 25 s (29 days)", 25}};
  std::vector<test::PreferenceProgram> programs(std::size(files));
  for (std::size_t f = 0; f < std::size(files); ++f) {
    PreferenceStartRow row;
    row.file = files[f].what;
    if (files[f].seconds > 0) {
      const std::string bytes = Units(files[f].seconds);
      test::WriteBytes(programs[f].File(L"history.csv"), bytes);
      CountingFile counting(bytes);
      SYSTEMTIME now{};
      ::GetLocalTime(&now);
      preference::ReadHistoryPage(counting, L"",
                                  {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
      row.rows = kRows;
      row.bytes = bytes.size();
      row.bytesRead = counting.read;
    }
    figures.rows.push_back(row);
  }
  // Round by round, each folder in turn, each round beginning with the next one, so that a slow
  // moment of the machine, or the first start of a round, hits them alike.
  std::vector<std::vector<double>> times(std::size(files));
  for (int round = 0; round < runs; ++round) {
    for (std::size_t i = 0; i < std::size(files); ++i) {
      const std::size_t f = (i + static_cast<std::size_t>(round)) % std::size(files);
      const double ms = StartOnce(programs[f]);
      if (ms < 0) return figures;
      times[f].push_back(ms);
    }
  }
  for (std::size_t f = 0; f < std::size(files); ++f) {
    std::sort(times[f].begin(), times[f].end());
    figures.rows[f].startMs = times[f][times[f].size() / 2];
  }
  figures.ok = true;
  return figures;
}

}  // namespace vantor::bench
