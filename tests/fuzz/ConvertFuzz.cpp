// The number and flag conversions of the settings files over any text, and the rounding over
// any double (the input's first eight bytes).
#include <cmath>
#include <cstring>
#include <optional>

#include "common/core/Convert.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using vantor::ConversionError;

template <typename F>
auto Try(F convert) -> std::optional<decltype(convert())> {
  try {
    return convert();
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

// A rounded value lies within half a unit of its source, and a tie went to the even side.
void CheckRounded(double value, double rounded) {
  const double distance = std::fabs(rounded - value);
  FUZZ_CHECK(distance <= 0.5);
  if (distance == 0.5) FUZZ_CHECK(std::fmod(rounded, 2.0) == 0.0);
}

void CheckRounding(double value) {
  const auto r16 = Try([&] { return vantor::RoundToInt16(value); });
  const auto r32 = Try([&] { return vantor::RoundToInt32(value); });
  if (std::isnan(value)) FUZZ_CHECK(!r16 && !r32);
  if (r16) {
    CheckRounded(value, *r16);
    FUZZ_CHECK(r32 && *r32 == *r16);  // what fits 16 bits fits 32 the same way
  }
  if (r32) CheckRounded(value, *r32);
  if (value >= -32768.0 && value <= 32767.0) FUZZ_CHECK(r16);
  if (value >= -2147483648.0 && value <= 2147483647.0) FUZZ_CHECK(r32);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckRounding(raw);
  }

  const std::wstring text = vantor::fuzz::DecodeText(data, size);
  const double leading = vantor::LeadingNumber(text);
  FUZZ_CHECK(!std::isnan(leading));
  CheckRounding(leading);

  // A text that is all one number starts with that number.
  const auto whole = Try([&] { return vantor::WholeNumber(text); });
  if (whole) FUZZ_CHECK(*whole == leading);

  // A number converts to a boolean by whether it is 0; the words True and False are not numbers.
  const auto flag = Try([&] { return vantor::ToBoolean(text); });
  if (whole) FUZZ_CHECK(flag && *flag == (*whole != 0.0));
  if (flag && !whole) {
    FUZZ_CHECK(text.find_first_of(L"tTfF") != std::wstring::npos);
  }
  return 0;
}
