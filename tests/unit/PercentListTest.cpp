#include "preference/core/PercentList.h"

#include <gtest/gtest.h>

namespace vantor::preference {
namespace {

PercentList Added(std::initializer_list<const wchar_t*> entries) {
  PercentList list;
  for (const wchar_t* e : entries) list.Add(e);
  return list;
}

TEST(PreferencePercentList, AddsInOrderWithoutDuplicatesAndAlwaysKeepsItsTerminator) {
  const struct {
    std::initializer_list<const wchar_t*> added;
    const wchar_t* text;
  } cases[] = {
      {{L"20", L"10", L"20"}, L"20,10,;,"},
      {{}, L";,"},
      {{L"abc", L"12.5", L"13.5", L" 7x"}, L"0,12,14,7,;,"},  // leading number, ties to even
      {{L"-3", L"250"}, L"-3,250,;,"},                       // no range check
      {{L"40000", L"999", L"5"}, L"5,;,"},                   // beyond 16 bits, the end marker
  };
  for (const auto& c : cases) {
    const PercentList list = Added(c.added);
    EXPECT_EQ(list.Text(), c.text);
    EXPECT_EQ(list.ReadOut() + L";,", c.text);
  }
  PercentList cleared = Added({L"1", L"2"});
  cleared.Clear();
  EXPECT_EQ(cleared.Text(), L";,");
  EXPECT_EQ(cleared.ReadOut(), L"");
}

TEST(PreferencePercentList, AFullListTakesNoMoreAndHandEditedListsLoad) {
  PercentList full;
  for (int i = 0; i < 110; ++i) full.Add(std::to_wstring(i));
  ASSERT_EQ(full.Entries().size(), 101u);
  EXPECT_EQ(full.Entries().back(), 100);
  EXPECT_EQ(full.Text().substr(full.Text().size() - 6), L"100,;,");

  std::wstring many;
  for (int i = 0; i < 150; ++i) many += std::to_wstring(i) + L",";
  const struct {
    std::wstring stored;
    std::size_t size;
    std::wstring readOut;
  } cases[] = {
      {L"10,20,;,", 2, L"10,20,"},
      {L"10,20", 2, L"10,20,"},                 // no terminator
      {L"5,;,7,", 1, L"5,"},                    // text after the terminator
      {many, 101, L""},                         // more than 101 entries
      {L"", 0, L""},
  };
  for (const auto& c : cases) {
    const PercentList list(c.stored);
    EXPECT_EQ(list.Entries().size(), c.size) << c.stored;
    if (!c.readOut.empty()) {
      EXPECT_EQ(list.ReadOut(), c.readOut) << c.stored;
    }
    EXPECT_EQ(PercentList(list.Text()).Entries(), list.Entries()) << "the saved text reads back";
  }
}

TEST(PreferencePercentList, TheEntryBoxMovesTheSliderOnlyWithinItsRange) {
  const struct {
    const wchar_t* text;
    std::optional<int> value;
  } cases[] = {{L"0", 0}, {L"100", 100}, {L"37abc", 37}, {L"abc", 0}, {L"2.5", 2},
               {L"100.4", 100}, {L"100.5", 100}, {L"100.6", std::nullopt}, {L"101", std::nullopt},
               {L"-1", std::nullopt}, {L"-0.4", 0}, {L"99999999", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(SliderValueOfEntry(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace vantor::preference
