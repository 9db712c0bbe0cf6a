// The priority texts over any values: the input's lines are, in order, the executable names,
// the two levels, the frequency and the two switches. A ConversionError is expected; any
// request produced has a positive interval in whole seconds, reported to the caller.
#include "common/core/Convert.h"
#include "common/core/Priority.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantor;
  std::vector<std::wstring> lines = fuzz::SplitLines(fuzz::DecodeText(data, size));
  lines.resize(7);
  const PriorityTexts texts{lines[0], lines[1], lines[2], lines[3], lines[4], lines[5], lines[6]};

  std::int32_t interval = -1;
  try {
    const PriorityRequest request = ConvertPriorityTexts(texts, interval);
    FUZZ_CHECK(request.intervalMs == interval);
  } catch (const ConversionError&) {
    // Either the interval was never known, or it was and a switch failed.
    FUZZ_CHECK(interval == -1 || interval > 0);
  }
  if (interval != -1) {
    FUZZ_CHECK(interval >= 1000 && interval % 1000 == 0 && interval / 1000 <= 32767);
  }
  return 0;
}
