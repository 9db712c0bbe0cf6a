#include "preference/core/PercentList.h"

#include <algorithm>

#include "common/core/Convert.h"
#include "common/core/Schedule.h"

namespace vantor::preference {

PercentList::PercentList(std::wstring_view stored) : entries_(LoadScheduleList(stored)) {}

void PercentList::Add(std::wstring_view entry) {
  std::int16_t value = 0;
  try {
    value = LeadingInt16(entry);
  } catch (const ConversionError&) {
    return;
  }
  if (value == kScheduleEnd || entries_.size() >= kScheduleSize) return;
  if (std::find(entries_.begin(), entries_.end(), value) != entries_.end()) return;
  entries_.push_back(value);
}

std::wstring PercentList::Text() const { return ScheduleText(entries_); }

std::wstring PercentList::ReadOut() const {
  const std::wstring text = Text();
  return text.substr(0, text.rfind(L';'));
}

std::optional<int> SliderValueOfEntry(std::wstring_view text) {
  const double number = LeadingNumber(text);
  if (!(number >= -0.5 && number <= 100.5)) return std::nullopt;
  try {
    const int value = RoundToInt16(number);
    if (value >= 0 && value <= 100) return value;
  } catch (const ConversionError&) {
  }
  return std::nullopt;
}

}  // namespace vantor::preference
