// Percent schedules: the alarm percentages and the two capture lists.
//
// Text form, as Vantor.ini stores it: each percentage in decimal followed by ",", the list
// closed by ";," ("10,50,90,;,"; the empty list is ";,"). In memory a table of 101 entries
// filled from index 0 in list order; every free entry holds the end marker 999, and readers
// stop at the first 999.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::size_t kScheduleSize = 101;
inline constexpr std::int16_t kScheduleEnd = 999;

using ScheduleTable = std::array<std::int16_t, kScheduleSize>;

// A table of 101 end markers.
ScheduleTable EmptySchedule();

// Reads a list text. A token is the text up to the next ","; the token ";" ends the list, and
// so does the end of the text (a last token without its comma still counts). Any other token
// gives its leading number rounded with ties to even (no number gives 0). Values beyond the
// 101st are dropped. Never throws. A token that cannot be kept is skipped and takes no entry:
// one whose number does not fit 16 bits, and one that gives 999, which would read as the end
// of the table and hide the entries after it.
ScheduleTable ParseSchedule(std::wstring_view list);

// The entries before the first end marker, in order.
std::vector<std::int16_t> ScheduleEntries(const ScheduleTable& table);

// How often `percent` is listed before the first end marker; a percentage listed twice
// counts twice (its sound plays twice).
int ScheduleCount(const ScheduleTable& table, std::int16_t percent);
inline bool ScheduleContains(const ScheduleTable& table, std::int16_t percent) {
  return ScheduleCount(table, percent) > 0;
}

// The text form of `entries`: "10,50,90,;,", or ";," for none. Only the first 101 entries are
// written, so the text always keeps its terminator and reads back to the same list.
std::wstring ScheduleText(const std::vector<std::int16_t>& entries);

// The settings editor's list from a stored text, hand-edited ones included (no ";", more than
// 101 entries, stray text): at most 101 entries, never an error.
inline std::vector<std::int16_t> LoadScheduleList(std::wstring_view text) {
  return ScheduleEntries(ParseSchedule(text));
}

}  // namespace vantor
