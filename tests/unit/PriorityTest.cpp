#include "common/core/Priority.h"

#include <gtest/gtest.h>

#include "common/core/Convert.h"
#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

using RecordingPriorities = test::FakePriorities;

TEST(Priority, LevelsAndClasses) {
  EXPECT_EQ(PriorityClassOf(0), 0x80u);
  EXPECT_EQ(PriorityClassOf(1), 0x20u);
  EXPECT_EQ(PriorityClassOf(2), 0x40u);
  for (std::int16_t other : {-1, 3, 5, 999}) EXPECT_EQ(PriorityClassOf(other), 0u) << other;
}

TEST(Priority, TheNtWayMatchesBaseNamesInAnyCaseAndVisitsAll) {
  test::FakeProcesses processes;
  processes.table = {{10, L"ud_ligfit_Release.exe"}, {11, L"explorer.exe"}, {12, L"UD_LIGFIT_RELEASE.EXE"},
                     {13, L""}, {14, L"ud_ligfit_release.exe"}};
  RecordingPriorities set;
  EXPECT_TRUE(SetPriorityByName_NT(processes, set, L"ud_ligfit_Release.exe", 2));
  using C = RecordingPriorities::Call;
  EXPECT_EQ(set.calls, (std::vector<C>{{10, 0x40, PriorityAccess::AllAccess},
                                       {12, 0x40, PriorityAccess::AllAccess},
                                       {14, 0x40, PriorityAccess::AllAccess}}));
  set.calls.clear();
  EXPECT_FALSE(SetPriorityByName_NT(processes, set, L"C:\\UD\\ud_ligfit_Release.exe", 0)) << "a folder never matches";
  EXPECT_FALSE(SetPriorityByName_NT(processes, set, L"", 0));
  EXPECT_TRUE(set.calls.empty());
  // Level 5: the process is opened and closed, its class stays.
  EXPECT_TRUE(SetPriorityByName_NT(processes, set, L"explorer.exe", 5));
  EXPECT_EQ(set.calls, (std::vector<C>{{11, 0, PriorityAccess::AllAccess}}));
}

TEST(Priority, TheSnapshotWayMatchesTheEndOfTheExecutableText) {
  test::FakeProcesses processes;
  processes.table = {{20, L"C:\\PROGRA~1\\UD\\BOLERO.EXE"}, {21, L"xbolero.exe"}, {22, L"bolero.exe.bak"}};
  RecordingPriorities set;
  std::vector<std::wstring> messages;
  const MessageSink sink = [&](const std::wstring& m) { messages.push_back(m); };
  EXPECT_TRUE(SetPriorityByName_9x(processes, set, L"bolero.exe", 0, sink));
  using C = RecordingPriorities::Call;
  EXPECT_EQ(set.calls, (std::vector<C>{{20, 0x80, PriorityAccess::SetInformation},
                                       {21, 0x80, PriorityAccess::SetInformation}}));
  set.calls.clear();
  EXPECT_FALSE(SetPriorityByName_9x(processes, set, L"", 0, sink)) << "an empty name is no process";
  EXPECT_TRUE(set.calls.empty());
  EXPECT_TRUE(messages.empty());
}

TEST(Priority, TextsConvertInOrderAndFailWhereTheyShould) {
  PriorityTexts t{L"a.exe", L"b.exe", L"2", L" 1.5x", L"3", L"1", L"0"};
  std::int32_t interval = 0;
  PriorityRequest r = ConvertPriorityTexts(t, interval);
  EXPECT_EQ(r.udaLevel, 2);
  EXPECT_EQ(r.exeLevel, 2);  // 1.5 rounds to even
  EXPECT_EQ(interval, 3000);
  EXPECT_TRUE(r.udaChange);
  EXPECT_FALSE(r.exeChange);

  t.udaPriority = L"";  // missing: level 0, "高"
  t.frequency = L"";    // missing: one second
  t.exeChange = L"True";
  r = ConvertPriorityTexts(t, interval);
  EXPECT_EQ(r.udaLevel, 0);
  EXPECT_EQ(interval, 1000);
  EXPECT_TRUE(r.exeChange);

  t.frequency = L"40";  // beyond the editor's range, still a plain 40 seconds
  r = ConvertPriorityTexts(t, interval);
  EXPECT_EQ(r.intervalMs, 40000);

  t.udaChange = L"";  // the interval is taken before the switch fails
  t.frequency = L"7";
  interval = 0;
  EXPECT_THROW(ConvertPriorityTexts(t, interval), ConversionError);
  EXPECT_EQ(interval, 7000);
  t.udaChange = L"1";
  t.frequency = L"-2";
  EXPECT_THROW(ConvertPriorityTexts(t, interval), ConversionError);
  t.frequency = L"99999";
  EXPECT_THROW(ConvertPriorityTexts(t, interval), ConversionError);
}

}  // namespace
}  // namespace vantor
