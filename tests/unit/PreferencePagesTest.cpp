// The rules of the sound, save-watch, capture and bookmark pages, and of the log-on box.
#include <gtest/gtest.h>

#include "common/core/Links.h"
#include "preference/core/BookmarkList.h"
#include "preference/core/LogonEntry.h"
#include "preference/core/PercentList.h"
#include "preference/core/SavePage.h"
#include "tests/unit/Fakes.h"

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

TEST(PreferenceSavePage, OnlyTenToFifteenMinutesAreTaken) {
  const struct {
    const wchar_t* text;
    std::optional<std::int16_t> minutes;
  } cases[] = {{L"9", std::nullopt}, {L"16", std::nullopt}, {L"12", 12}, {L"10", 10}, {L"15", 15},
               {L" 13 ", 13}, {L"12.5", 12}, {L"abc", std::nullopt}, {L"12a", std::nullopt},
               {L"", std::nullopt}, {L"70000", std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(BakkinOfText(c.text), c.minutes) << c.text;
}

TEST(PreferenceSavePage, AnAgentFolderNeedsItsSaveFileAndTheWatchNeedsAFolder) {
  test::FakeFiles files;
  files.stamps[L"C:\\UD\\tkcp.ud"] = 1;
  files.stamps[L"D:\\tkcp.ud"] = 1;
  const auto ud = AcceptAgentFolder(L"C:\\UD", files);
  ASSERT_TRUE(ud);
  EXPECT_EQ(ud->boxText, L"C:\\UD\\");
  EXPECT_EQ(ud->stored, L"C:\\UD");
  const auto root = AcceptAgentFolder(L"D:\\", files);
  ASSERT_TRUE(root);
  EXPECT_EQ(root->boxText, L"D:\\");
  EXPECT_EQ(root->stored, L"D:\\") << "a drive root keeps its backslash";
  EXPECT_FALSE(AcceptAgentFolder(L"C:\\Other", files));

  EXPECT_FALSE(SaveCheckAfterClick(true, false, L""));
  EXPECT_TRUE(SaveCheckAfterClick(false, true, L"")) << "without a folder a click changes nothing";
  EXPECT_TRUE(SaveCheckAfterClick(true, false, L"C:\\UD"));
  EXPECT_EQ(WithTrailingBackslash(L"C:\\Caps"), L"C:\\Caps\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\"), L"C:\\");
}

std::vector<std::wstring> Titles(const BookmarkList& list) {
  std::vector<std::wstring> titles;
  for (const Link& l : list.Links()) titles.push_back(l.Title);
  return titles;
}

using Titles3 = std::vector<std::wstring>;

TEST(PreferenceBookmarkList, MovesDeletesAndChangesFollowTheSelection) {
  BookmarkList list({{L"A", L"a"}, {L"B", L"b"}, {L"C", L"c"}});
  EXPECT_FALSE(list.MoveUp());
  EXPECT_FALSE(list.MoveDown());
  EXPECT_FALSE(list.Delete());
  EXPECT_FALSE(list.Change(L"X", L"x")) << "nothing selected: nothing changes";
  list.Select(1);
  EXPECT_TRUE(list.MoveUp());
  EXPECT_EQ(Titles(list), (Titles3{L"B", L"A", L"C"}));
  EXPECT_EQ(list.Selected(), 0u);
  EXPECT_FALSE(list.MoveUp());
  list.Select(2);
  EXPECT_FALSE(list.MoveDown()) << "the last entry stays";
  list.Select(0);
  EXPECT_TRUE(list.MoveDown());
  EXPECT_EQ(Titles(list), (Titles3{L"A", L"B", L"C"}));
  EXPECT_EQ(list.Line(1), L"B,b");

  EXPECT_TRUE(list.Delete());
  EXPECT_EQ(Titles(list), (Titles3{L"A", L"C"}));
  EXPECT_FALSE(list.Selected());
  list.Select(1);
  EXPECT_EQ(list.Line(*list.Selected()), L"C,c") << "the later entry moved up";
  EXPECT_TRUE(list.Change(L"D", L"d"));
  list.Add(L"A", L"a");
  EXPECT_EQ(Titles(list), (Titles3{L"A", L"D", L"A"})) << "no duplicate check";
  EXPECT_EQ(list.Selected(), 1u) << "adding keeps the selection";
  list.Select(7);
  EXPECT_FALSE(list.Selected());
}

TEST(PreferenceBookmarkList, TitleAndUrlMustBeFilledAndHoldNoComma) {
  EXPECT_EQ(CheckLink(L"A", L"http://a/"), LinkProblem::None);
  EXPECT_EQ(CheckLink(L"", L"http://a/"), LinkProblem::Empty);
  EXPECT_EQ(CheckLink(L"A", L""), LinkProblem::Empty);
  EXPECT_EQ(CheckLink(L"", L"a,b"), LinkProblem::Empty) << "emptiness is told first";
  EXPECT_EQ(CheckLink(L"A,B", L"http://a/"), LinkProblem::Comma);
  EXPECT_EQ(CheckLink(L"A", L"http://a/?x=1,2"), LinkProblem::Comma);
}

TEST(PreferenceBookmarkList, AFileReadUpToABadLineKeepsItsUnreadText) {
  const LinkReadResult read = ParseLinks(L"A,a\r\n\r\nbad line\r\nB,b\r\n");
  EXPECT_FALSE(read.Complete);
  EXPECT_EQ(read.Links.size(), 1u);
  EXPECT_EQ(read.Unread, L"bad line\r\nB,b\r\n");
  EXPECT_EQ(LinksText(read.Links) + read.Unread, L"A,a\r\nbad line\r\nB,b\r\n");
  EXPECT_EQ(ParseLinks(L"A,a\r\n").Unread, L"");
}

using Bytes = std::vector<std::uint8_t>;

// The two values of the log-on box, each under its own key; a read-only registry refuses every write.
struct FakeRegistry : RegistryPort {
  FakeRegistry(std::optional<std::wstring> r = {}, std::optional<Bytes> a = {}) : run(std::move(r)), approved(std::move(a)) {}
  static bool Is(const std::wstring& k, const std::wstring& n, const wchar_t* key) { return k == key && n == L"Vantor"; }
  std::optional<std::wstring> ReadString(const std::wstring& k, const std::wstring& n) override { return Is(k, n, kRunKey) ? run : std::nullopt; }
  std::optional<Bytes> ReadBinary(const std::wstring& k, const std::wstring& n) override { return Is(k, n, kStartupApprovedKey) ? approved : std::nullopt; }
  bool WriteString(const std::wstring& k, const std::wstring& n, const std::wstring& v) override { return !readOnly && Is(k, n, kRunKey) && (run = v, true); }
  bool DeleteValue(const std::wstring& k, const std::wstring& n) override {
    if (!readOnly && Is(k, n, kRunKey)) run.reset();
    if (!readOnly && Is(k, n, kStartupApprovedKey)) approved.reset();
    return !readOnly;
  }
  std::optional<std::wstring> run;
  std::optional<Bytes> approved;
  bool readOnly = false;
};

TEST(PreferenceLogon, TheStateIsWhatWindowsWillDoAndTickingMakesItThisFoldersAndOn) {
  using enum LogonState;
  const std::wstring folder = L"C:\\Users\\me\\Vantor", mine = L"\"C:\\Users\\me\\Vantor\\Vantor.exe\"";
  // Task Manager's switch as it writes it: on, and off with the time it was switched off.
  const Bytes on = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, off = {3, 0, 0, 0, 0x17, 0x79, 0xBD, 0x01, 0x17, 0xD9, 0xD1, 0x01};
  const struct {
    FakeRegistry registry;
    LogonState state;
    std::wstring program;
  } cases[] = {
      {{}, Absent, L""},
      {{mine, std::nullopt}, ThisFolder, L""},
      {{L"c:/users/ME/vantor/VANTOR.EXE ", on}, ThisFolder, L""},  // unquoted, in other letters
      {{mine + L" /hidden", Bytes{6, 0, 0, 0}}, ThisFolder, L""},  // 06 is on too
      {{mine, off}, SwitchedOff, L""},
      {{mine, Bytes{7, 0}}, SwitchedOff, L""},
      {{L"\"D:\\Old\\Vantor.exe\"", off}, OtherFolder, L"D:\\Old\\Vantor.exe"},
      {{L"C:\\Users\\me\\Vantor\\Vantor.exe.old", std::nullopt}, OtherFolder, L"C:\\Users\\me\\Vantor\\Vantor.exe.old"},
  };
  for (const auto& c : cases) {
    const std::wstring row = c.registry.run.value_or(L"(none)");
    FakeRegistry registry = c.registry, ticked = c.registry, unticked = c.registry, refusing = c.registry;
    const LogonEntry entry = ReadLogonEntry(registry, folder);
    EXPECT_TRUE(entry.state == c.state && entry.program == c.program) << row;
    EXPECT_TRUE(WriteLogonEntry(ticked, folder, true) && WriteLogonEntry(unticked, folder, false)) << row;
    EXPECT_EQ(ReadLogonEntry(ticked, folder).state, ThisFolder) << row;
    EXPECT_TRUE(c.state != ThisFolder || ticked.run == c.registry.run) << row << ": nothing to change";
    EXPECT_EQ(unticked.run.has_value(), c.state == OtherFolder) << row << ": only this folder's value goes";
    refusing.readOnly = true;
    EXPECT_EQ(WriteLogonEntry(refusing, folder, true), c.state == ThisFolder) << row << ": a failed write is told";
  }
}

}  // namespace
}  // namespace vantor::preference
