// The schedule list text: a parse never overruns its table, never keeps the end marker as a
// value, and the text form of what it read parses back to the same entries.
#include <algorithm>

#include "common/core/Schedule.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantor;
  const std::wstring text = fuzz::DecodeText(data, size);

  const ScheduleTable table = ParseSchedule(text);
  const std::vector<std::int16_t> entries = ScheduleEntries(table);
  FUZZ_CHECK(entries.size() <= kScheduleSize);
  // The entries fill the table from the front; every entry after them is the end marker.
  FUZZ_CHECK(std::all_of(table.begin() + static_cast<std::ptrdiff_t>(entries.size()), table.end(),
                         [](std::int16_t v) { return v == kScheduleEnd; }));
  FUZZ_CHECK(LoadScheduleList(text) == entries);

  const std::wstring stored = ScheduleText(entries);
  FUZZ_CHECK(stored.size() >= 2 && stored.compare(stored.size() - 2, 2, L";,") == 0);
  FUZZ_CHECK(LoadScheduleList(stored) == entries);
  FUZZ_CHECK(ScheduleText(LoadScheduleList(stored)) == stored);

  return 0;
}
