// Priority fixing by the station's second timer.
#include "station/core/Station.h"
#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

class StationPriorityTest : public StationTest {
 protected:
  void SetUp() override {
    processes.table = {{10, L"ud_ligfit_Release.exe"}, {11, L"Cruncher.EXE"}, {12, L"UD_LIGFIT_RELEASE.EXE"}};
    station.Form_Load();
  }
  void Priority(const wchar_t* key, const wchar_t* value) {
    profile.Write(Path(kPriorityIni), L"priority", key, value);
    files.stamps[Path(kPriorityIni)] = 1;
  }
  void Setting(const wchar_t* key, const wchar_t* value) { SetIni(L"priority", key, value); }
  using C = test::FakePriorities::Call;
};

TEST_F(StationPriorityTest, EveryProcessOfTheNameGetsTheClassAtEachTick) {
  Setting(L"uda", L"ud_ligfit_Release.exe");
  Setting(L"other", L"cruncher.exe");
  Priority(L"udachange", L"1");
  Priority(L"udapriority", L"2");
  Priority(L"exechange", L"0");
  Priority(L"exepriority", L"0");
  station.timMain_Timer();
  EXPECT_TRUE(host.timers[StationTimer::Priority]) << "switched on within one main tick";
  station.timPriority_Timer();
  EXPECT_EQ(priorities.calls, (std::vector<C>{{10, 0x40, PriorityAccess::AllAccess},
                                              {12, 0x40, PriorityAccess::AllAccess}}));
  EXPECT_EQ(host.intervals[StationTimer::Priority], 1000);
  station.timPriority_Timer();
  EXPECT_EQ(priorities.calls.size(), 4u);

  Priority(L"exechange", L"True");
  Priority(L"exepriority", L"5");  // opened and closed, class unchanged
  priorities.calls.clear();
  station.timPriority_Timer();
  EXPECT_EQ(priorities.calls.back(), (C{11, 0, PriorityAccess::AllAccess}));
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(StationPriorityTest, AMissingLevelIsHighAndTheIntervalFollowsTheFrequency) {
  Setting(L"uda", L"ud_ligfit_Release.exe");
  Setting(L"frequency", L"3");
  Priority(L"udachange", L"1");
  Priority(L"exechange", L"0");
  station.timPriority_Timer();
  EXPECT_EQ(priorities.calls.front().cls, 0x80u);
  EXPECT_EQ(host.intervals[StationTimer::Priority], 3000);
  Setting(L"frequency", L"40");  // beyond the editor's range: forty seconds, no overflow
  station.timPriority_Timer();
  EXPECT_EQ(host.intervals[StationTimer::Priority], 40000);
}

TEST_F(StationPriorityTest, OlderSystemsUseTheSnapshotWay) {
  host.osKind = 0;  // a station started on an older system
  Station old{Ports(kFolder)};
  old.Form_Load();
  processes.table = {{30, L"C:\\UD\\UD_LIGFIT_RELEASE.EXE"}};
  Setting(L"uda", L"ud_ligfit_Release.exe");
  Priority(L"udachange", L"1");
  Priority(L"exechange", L"0");
  Priority(L"udapriority", L"1");
  old.timPriority_Timer();
  EXPECT_EQ(priorities.calls, (std::vector<C>{{30, 0x20, PriorityAccess::SetInformation}}));
}

TEST_F(StationPriorityTest, ABadSwitchIsReportedOnceUntilTheFileChanges) {
  Setting(L"uda", L"ud_ligfit_Release.exe");
  Priority(L"udachange", L"");
  Priority(L"exechange", L"0");
  station.timMain_Timer();
  for (int i = 0; i < 5; ++i) station.timPriority_Timer();
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"エラーが-timPriority-で発生しました。"});
  EXPECT_TRUE(priorities.calls.empty());
  EXPECT_TRUE(host.timers[StationTimer::Priority]) << "a failure does not switch the timer off";

  Priority(L"udachange", L"maybe");  // another bad value: a new report
  station.timPriority_Timer();
  station.timPriority_Timer();
  EXPECT_EQ(host.errors.size(), 2u);

  Priority(L"udachange", L"1");  // repaired: works, and a later failure reports again
  station.timPriority_Timer();
  EXPECT_EQ(priorities.calls.size(), 2u);
  Priority(L"udachange", L"maybe");
  station.timPriority_Timer();
  EXPECT_EQ(host.errors.size(), 3u);
}

TEST_F(StationPriorityTest, TheTimerStopsItselfWhenTheFileIsGone) {
  Priority(L"udachange", L"1");
  station.timMain_Timer();
  ASSERT_TRUE(host.timers[StationTimer::Priority]);
  files.stamps.erase(Path(kPriorityIni));
  station.timPriority_Timer();
  EXPECT_FALSE(host.timers[StationTimer::Priority]);
  EXPECT_TRUE(priorities.calls.empty());
}

}  // namespace
}  // namespace vantor
