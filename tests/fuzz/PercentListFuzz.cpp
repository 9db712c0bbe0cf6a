// The settings editor's percent list: loaded from any stored text (the input's first line),
// then each further line typed into the entry box and added. The list never holds more than
// 101 entries or the end marker, an added entry is new to the list, the read-out is the text
// without its terminator, and the text saved reloads to the same list. The slider follows
// an entry box only for numbers within half a unit of 0 to 100.
#include <algorithm>
#include <cmath>

#include "common/core/Convert.h"
#include "common/core/Schedule.h"
#include "preference/core/PercentList.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

void CheckList(const vantor::preference::PercentList& list) {
  const auto& entries = list.Entries();
  FUZZ_CHECK(entries.size() <= vantor::kScheduleSize);
  FUZZ_CHECK(std::find(entries.begin(), entries.end(), vantor::kScheduleEnd) == entries.end());
  const std::wstring text = list.Text();
  FUZZ_CHECK(list.ReadOut() + L";," == text);
  FUZZ_CHECK(vantor::preference::PercentList(text).Entries() == entries);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantor;
  const std::vector<std::wstring> lines = fuzz::SplitLines(fuzz::DecodeText(data, size));

  preference::PercentList list(lines[0]);
  CheckList(list);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::vector<std::int16_t> before = list.Entries();
    list.Add(lines[i]);
    const auto& after = list.Entries();
    if (after != before) {
      FUZZ_CHECK(after.size() == before.size() + 1 && std::equal(before.begin(), before.end(), after.begin()));
      FUZZ_CHECK(std::find(before.begin(), before.end(), after.back()) == before.end());
    }

    const std::optional<int> slider = preference::SliderValueOfEntry(lines[i]);
    if (slider) {
      FUZZ_CHECK(*slider >= 0 && *slider <= 100);
      FUZZ_CHECK(std::fabs(LeadingNumber(lines[i]) - *slider) <= 0.5);
    }
  }
  CheckList(list);
  return 0;
}
