#include "common/core/Schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor {
namespace {

using Entries = std::vector<std::int16_t>;

// The table must hold `entries` from index 0 and end markers in every other entry.
void ExpectTable(const ScheduleTable& table, const Entries& entries, const std::wstring& list) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(table[i], i < entries.size() ? entries[i] : kScheduleEnd) << list << " index " << i;
  }
}

std::wstring Numbers(int from, int count) {
  std::wstring text;
  for (int i = 0; i < count; ++i) text += std::to_wstring(from + i) + L",";
  return text;
}

Entries Range(int from, int count) {
  Entries entries;
  for (int i = 0; i < count; ++i) entries.push_back(static_cast<std::int16_t>(from + i));
  return entries;
}

TEST(ParseSchedule, ReadsTokensUpToTheTerminator) {
  struct Case { std::wstring list; Entries entries; };
  const Case cases[] = {
      {L"10,50,90,;,", {10, 50, 90}},
      {L";,", {}},
      {L"", {}},
      {L" 7,;,", {7}},
      {L"2.5,3.5,;,", {2, 4}},     // ties to even
      {L"abc,12abc,;,", {0, 12}},  // no number gives 0, text after a number is ignored
      {L",5,;,", {0, 5}},          // an empty token is a token
      {L" ;,4,;,", {0, 4}},        // only the exact token ";" ends the list
      {L"10,;,20,30,", {10}},
      {L"10,;", {10}},
      // Without the terminator the list ends with the text; a last token needs no comma.
      {L"10,20,", {10, 20}},
      {L"10,20", {10, 20}},
      // Tokens that cannot be kept take no entry: out of 16 bits, or the end marker's value,
      // which would hide the entries after it.
      {L"10,40000,20,;,", {10, 20}},
      {L"32767,32767.5,-32768,-32769,1e9,;,", {32767, -32768}},
      {L"10,999,20,;,", {10, 20}},
      // Only the first 101 entries are kept.
      {Numbers(0, 105) + L";,", Range(0, 101)},
      {Numbers(0, 105), Range(0, 101)},
      {L"70000," + Numbers(1, 101) + L";,", Range(1, 101)},
  };
  for (const auto& c : cases) ExpectTable(ParseSchedule(c.list), c.entries, c.list);
}

TEST(ScheduleCount, CountsRepeatsUpToTheFirstEndMarker) {
  const ScheduleTable table = ParseSchedule(L"50,10,50,;,");
  EXPECT_EQ(ScheduleCount(table, 50), 2);
  EXPECT_EQ(ScheduleCount(table, 10), 1);
  EXPECT_FALSE(ScheduleContains(table, 11));
  EXPECT_FALSE(ScheduleContains(EmptySchedule(), 0));
  EXPECT_TRUE(ScheduleContains(ParseSchedule(Numbers(0, 101)), 100));  // the last entry is read

  ScheduleTable gap = EmptySchedule();
  gap[0] = 5;
  gap[2] = 7;  // after the first end marker: never read
  EXPECT_FALSE(ScheduleContains(gap, 7));
  EXPECT_EQ(ScheduleEntries(gap), Entries{5});
}

TEST(ScheduleText, WritesTheTerminatorEvenForAFullList) {
  EXPECT_EQ(ScheduleText({10, 50, 90}), L"10,50,90,;,");
  EXPECT_EQ(ScheduleText({}), L";,");
  EXPECT_EQ(ScheduleText(Range(0, 103)), Numbers(0, 101) + L";,");
}

TEST(LoadScheduleList, ReadsStoredAndHandEditedTexts) {
  for (const Entries& list : {Entries{}, Entries{20, 10}, Entries{-5, 0, 100}, Range(0, 101)}) {
    EXPECT_EQ(LoadScheduleList(ScheduleText(list)), list);
  }
  EXPECT_EQ(LoadScheduleList(L""), Entries{});
  EXPECT_EQ(LoadScheduleList(L"10,20"), (Entries{10, 20}));
  EXPECT_EQ(LoadScheduleList(Numbers(0, 150)), Range(0, 101));
}

}  // namespace
}  // namespace vantor
