#include "common/core/Schedule.h"

#include <algorithm>

#include "common/core/Convert.h"

namespace vantor {

ScheduleTable EmptySchedule() {
  ScheduleTable table;
  table.fill(kScheduleEnd);
  return table;
}

ScheduleTable ParseSchedule(std::wstring_view list) {
  ScheduleTable table = EmptySchedule();
  std::size_t next = 0;  // next free entry
  std::size_t pos = 0;
  while (pos < list.size()) {
    const std::size_t comma = list.find(L',', pos);
    const std::size_t end = comma == std::wstring_view::npos ? list.size() : comma;
    const std::wstring_view token = list.substr(pos, end - pos);
    pos = end + 1;
    if (token == L";") break;
    std::int16_t value = 0;
    try {
      value = LeadingInt16(token);
    } catch (const ConversionError&) {
      continue;  // does not fit 16 bits
    }
    if (value == kScheduleEnd) continue;
    if (next < table.size()) table[next++] = value;
  }
  return table;
}

std::vector<std::int16_t> ScheduleEntries(const ScheduleTable& table) {
  std::vector<std::int16_t> entries;
  for (const std::int16_t value : table) {
    if (value == kScheduleEnd) break;
    entries.push_back(value);
  }
  return entries;
}

int ScheduleCount(const ScheduleTable& table, std::int16_t percent) {
  const std::vector<std::int16_t> entries = ScheduleEntries(table);
  return static_cast<int>(std::count(entries.begin(), entries.end(), percent));
}

std::wstring ScheduleText(const std::vector<std::int16_t>& entries) {
  std::wstring text;
  const std::size_t count = entries.size() < kScheduleSize ? entries.size() : kScheduleSize;
  for (std::size_t i = 0; i < count; ++i) {
    text += std::to_wstring(entries[i]);
    text += L',';
  }
  text += L";,";
  return text;
}

}  // namespace vantor
