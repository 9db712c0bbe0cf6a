#include "preference/core/PriorityPage.h"

#include <gtest/gtest.h>

#include "tests/unit/Fakes.h"

namespace vantor::preference {
namespace {

const std::wstring kFolder = L"C:\\V";

struct Page {
  test::FakeProfile profile;
  test::FakeFiles files;
  IniFile ini{profile, kFolder};
  PriorityPage page{ini, files};

  std::wstring Key(const wchar_t* key) { return profile.Read(ini.Path(kPriorityIni), L"priority", key); }
  std::vector<std::wstring> Written() {
    std::vector<std::wstring> out;
    for (const auto& w : profile.writes) out.push_back(w.key + L"=" + w.value);
    return out;
  }
};

using Writes = std::vector<std::wstring>;

TEST(PreferencePriorityPage, NothingIsWrittenUntilFixingThenEveryChangeAtOnce) {
  Page p;
  std::int16_t frequency = 1;
  EXPECT_TRUE(p.page.CheckUda(true, L"ud_ligfit_Release.exe"));
  p.page.SelectUda(0);
  EXPECT_FALSE(p.page.CheckExe(true, L"")) << "no name: the box cannot stay ticked";
  p.page.Frequency(4, frequency);
  EXPECT_EQ(frequency, 4);
  EXPECT_TRUE(p.profile.writes.empty());

  p.page.Fix(true);
  EXPECT_EQ(p.Written(), (Writes{L"udachange=1", L"udapriority=0", L"exechange=0", L"exepriority=2"}));
  p.profile.writes.clear();
  p.page.SelectExe(1);
  p.page.CheckUda(true, L"");
  p.page.Frequency(3, frequency);
  EXPECT_EQ(p.Written(), (Writes{L"exepriority=1", L"udachange=0", L"frequency=3"}));
  EXPECT_EQ(p.profile.Read(p.ini.Path(kVantorIni), L"priority", L"frequency"), L"3") << "into Vantor.ini";

  p.files.stamps[p.ini.Path(kPriorityIni)] = 1;
  p.page.Fix(false);
  EXPECT_EQ(p.files.deleted, Writes{p.ini.Path(kPriorityIni)});
  p.page.Fix(false);
  EXPECT_EQ(p.files.deleted.size(), 1u) << "a missing file is not deleted";
  p.profile.writes.clear();
  p.page.SelectUda(1);
  EXPECT_TRUE(p.profile.writes.empty()) << "released: nothing is written";
}

TEST(PreferencePriorityPage, TheWindowLoadReplaysTheFile) {
  const struct {
    PriorityFileState file;
    const wchar_t* exeName;
    Writes written;
    PriorityPage::Shown shown;
  } cases[] = {
      {{true, 1, true, 0}, L"app.exe", {L"udachange=1", L"udapriority=1", L"exechange=1", L"exepriority=0"}, {true, true, 1, 0}},
      // The other program's name is empty: its box cannot stay ticked and the file says so.
      {{true, 0, true, 2}, L"", {L"udachange=1", L"udapriority=0", L"exechange=0", L"exepriority=2"}, {true, false, 0, 2}},
      // A level no list entry shows stays in the file; the other keys are rewritten.
      {{false, std::nullopt, true, 1}, L"a.exe", {L"udachange=0", L"exechange=1", L"exepriority=1"}, {false, true, 2, 1}},
  };
  for (const auto& c : cases) {
    Page p;
    const auto shown = p.page.Load(c.file, L"ud_ligfit_Release.exe", c.exeName);
    EXPECT_EQ(p.Written(), c.written);
    EXPECT_EQ(shown.udaTicked, c.shown.udaTicked);
    EXPECT_EQ(shown.exeTicked, c.shown.exeTicked);
    EXPECT_EQ(shown.udaPosition, c.shown.udaPosition);
    EXPECT_EQ(shown.exePosition, c.shown.exePosition);
    EXPECT_TRUE(p.page.Fixed());
  }
}

TEST(PreferencePriorityPage, AKeptLevelIsWrittenOnceTheUserChoosesOrFixesAgain) {
  Page p;
  p.profile.Write(p.ini.Path(kPriorityIni), L"priority", L"udapriority", L"5");
  p.page.Load({true, std::nullopt, false, 2}, L"u.exe", L"");
  EXPECT_EQ(p.Key(L"udapriority"), L"5");
  p.page.CheckUda(false, L"u.exe");
  EXPECT_EQ(p.Key(L"udapriority"), L"5") << "other changes keep it";
  p.page.Fix(false);
  p.page.Fix(true);
  EXPECT_EQ(p.Key(L"udapriority"), L"2") << "pressed again: the list's level, as shown";

  Page q;
  q.page.Load({true, std::nullopt, false, 2}, L"u.exe", L"");
  q.page.SelectUda(1);
  EXPECT_EQ(q.Key(L"udapriority"), L"1");
}

TEST(PreferencePriorityPage, TheButtonShowsTheStateTheFileIsReallyIn) {
  using Failure = PriorityPage::WriteFailure;
  Page p;
  const std::wstring file = p.ini.Path(kPriorityIni);
  p.profile.unwritable.insert(file);
  EXPECT_FALSE(p.page.Fix(true)) << "no file was written: fixing is not on";
  EXPECT_FALSE(p.page.Fixed());
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::PriorityIni);
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::None) << "told once";
  EXPECT_EQ(p.profile.failedWrites, 1) << "the first failure ends the writes";

  p.files.stamps[file] = 1;  // a file is there all the same (written in part, or before)
  EXPECT_TRUE(p.page.Fix(true));
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::PriorityIni);

  p.profile.unwritable.clear();
  p.files.undeletable = file;  // held by another program
  EXPECT_TRUE(p.page.Fix(false)) << "the file stays, and so does the monitor's fixing";
  EXPECT_TRUE(p.page.Fixed());
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::PriorityIni);
  p.profile.writes.clear();
  p.page.SelectUda(0);
  EXPECT_EQ(p.Written(), Writes{L"udapriority=0"}) << "still fixed: changes go on being written";
  p.files.undeletable.clear();
  EXPECT_FALSE(p.page.Fix(false));
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::None);
}

TEST(PreferencePriorityPage, AnIntervalThatCannotBeStoredIsToldOnceUntilAWriteWorks) {
  using Failure = PriorityPage::WriteFailure;
  Page p;
  std::int16_t frequency = 1;
  ASSERT_TRUE(p.page.Fix(true));
  p.profile.unwritable.insert(p.ini.Path(kVantorIni));
  p.page.Frequency(2, frequency);
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::VantorIni);
  p.page.Frequency(3, frequency);  // the slider goes on moving
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::None);
  EXPECT_EQ(frequency, 3) << "kept for the next OK";
  p.profile.unwritable.clear();
  p.page.Frequency(4, frequency);
  p.profile.unwritable.insert(p.ini.Path(kVantorIni));
  p.page.Frequency(5, frequency);
  EXPECT_EQ(p.page.TakeWriteFailure(), Failure::VantorIni);
}

TEST(PreferencePriorityPage, ThePriorityFileIsReadOnlyWhenItExists) {
  test::FakeProfile profile;
  test::FakeFiles files;
  const IniFile ini(profile, kFolder);
  EXPECT_EQ(ReadPriorityFile(ini, files), std::nullopt);

  struct Case {
    const wchar_t *udaChange, *udaLevel, *exeChange, *exeLevel;
    bool uda;
    std::optional<int> udaPos;
    bool exe;
    std::optional<int> exePos;
  } cases[] = {
      {L"1", L"0", L"0", L"2", true, 0, false, 2},
      {L"0", L"1 ", L"1", L"1x", false, 1, true, 1},
      {L"-1", L"5", L"true", L"-1", false, std::nullopt, false, std::nullopt},
      {L"", L"", L"", L"99999", false, 0, false, std::nullopt},
  };
  files.stamps[kFolder + kPriorityIni] = 1;
  for (const Case& k : cases) {
    profile.Write(kFolder + kPriorityIni, L"priority", L"udachange", k.udaChange);
    profile.Write(kFolder + kPriorityIni, L"priority", L"udapriority", k.udaLevel);
    profile.Write(kFolder + kPriorityIni, L"priority", L"exechange", k.exeChange);
    profile.Write(kFolder + kPriorityIni, L"priority", L"exepriority", k.exeLevel);
    const auto state = ReadPriorityFile(ini, files);
    ASSERT_TRUE(state);
    EXPECT_EQ(state->udaChange, k.uda) << k.udaChange;
    EXPECT_EQ(state->udaPosition, k.udaPos) << k.udaLevel;
    EXPECT_EQ(state->exeChange, k.exe) << k.exeChange;
    EXPECT_EQ(state->exePosition, k.exePos) << k.exeLevel;
  }
}

TEST(PreferencePriorityPage, TheAgentTaskNameFallsBackToTheDefault) {
  test::FakeProcesses processes;
  const MessageSink none = [](const std::wstring&) {};
  EXPECT_EQ(AgentTaskNameText(2, L"", processes, none), kDefaultAgentTask);
  EXPECT_EQ(AgentTaskNameText(0, L"old.exe", processes, none), L"old.exe") << "kind 0 keeps the box";
  EXPECT_EQ(AgentTaskNameText(0, L"", processes, none), kDefaultAgentTask);
  processes.table = {{4, L"System"}, {40, L"ud_ligfit_Release.exe"}};
  EXPECT_EQ(AgentTaskNameText(2, L"old.exe", processes, none), L"ud_ligfit_Release.exe");
}

}  // namespace
}  // namespace vantor::preference

namespace vantor::preference {
namespace {

TEST(PreferencePriorityPage, ThePickerKeepsOnlyTheFileName) {
  EXPECT_EQ(FileNameOfPath(L"C:\\Tools\\app.exe"), L"app.exe");
  EXPECT_EQ(FileNameOfPath(L"app.exe"), L"app.exe");
  EXPECT_EQ(FileNameOfPath(L"C:\\Tools\\"), L"");
}

}  // namespace
}  // namespace vantor::preference
