#include "station/core/Station.h"

#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

TEST_F(StationTest, StartUpInOrderWithDefaults) {
  SetIni(L"icon", L"balloon", L"1");
  files.stamps[Path(kVantorIni)] = 1000;
  files.stamps[Path(kPriorityIni)] = 1100;
  files.stamps[Path(kLinksLst)] = 1200;
  station.Form_Load();
  EXPECT_TRUE(host.errors.empty());
  EXPECT_TRUE(Balloons()) << "start-up has ended";
  EXPECT_EQ(iconWindow.topMode, 1);
  EXPECT_TRUE(iconWindow.sized);
  EXPECT_EQ(files.deleted, std::vector<std::wstring>{Path(kPriorityIni)});
  EXPECT_TRUE(files.FileExists(Path(kVantorIni)));
  EXPECT_TRUE(files.FileExists(Path(kLinksLst)));
  EXPECT_TRUE(station.TrayRecord(L"").extended) << "not an old shell";
  EXPECT_FALSE(station.Menu().ShowWindow);
  EXPECT_TRUE(station.Menu().ShowIcon && station.Menu().ShowWindowEnabled) << "the tray as stored";
  EXPECT_FALSE(iconWindow.visible);
  // The times of Vantor.ini and links.lst were taken: a tick sees no change.
  SetIni(L"save", L"bakkin", L"11");
  const int reads = links.reads;
  station.timMain_Timer();
  EXPECT_EQ(links.reads, reads);
  EXPECT_EQ(station.Settings().Bakkin, 15);
}

TEST_F(StationTest, OldShellForEveryKindButTheNtFamily) {
  SetIni(L"icon", L"balloon", L"1");
  for (std::int16_t kind : {0, 1, 2, 3}) {
    host.osKind = kind;
    Station s{Ports(kFolder)};
    s.Form_Load();
    EXPECT_EQ(s.TrayRecord(L"").extended, kind == 1 || kind == 2) << kind;
  }
}

TEST_F(StationTest, ABadSettingAtStartUpIsReportedAndTheStationRunsOn) {
  SetIni(L"icon", L"balloon", L"1");
  SetIni(L"color", L"graph", L"255");
  SetIni(L"save", L"bakkin", L"fifteen");
  station.Form_Load();
  ASSERT_EQ(host.errors, std::vector<std::wstring>{L"Vantor起動中にエラーが発生しました。"});
  EXPECT_FALSE(Balloons()) << "start-up did not end";
  EXPECT_EQ(station.Settings().ColorGraph, 255);
  EXPECT_EQ(tray.Calls(NotifyMode::Add).size(), 1u) << "the tray icon and its menu are there";
  StartAgent(113);
  station.timMain_Timer();
  EXPECT_EQ(iconWindow.windowTip, L"Vantor \r\nNo task \r\n50%");
}

TEST_F(StationTest, AlarmMarkFollowsTheTwoFlagsEveryTick) {
  SetIni(L"sound", L"progress", L"1");
  station.Form_Load();
  station.timMain_Timer();
  EXPECT_FALSE(station.Menu().Alarm);
  SetIni(L"sound", L"once", L"1");
  files.stamps[Path(kLinksLst)] = 10;  // a save reloads the settings
  station.timMain_Timer();
  EXPECT_TRUE(station.Menu().Alarm);
}

TEST_F(StationTest, ChangeDetectionFiresOncePerChangeAlsoBackwards) {
  files.stamps[Path(kLinksLst)] = 1000;
  station.Form_Load();
  SetIni(L"save", L"bakkin", L"11");
  station.timMain_Timer();
  EXPECT_EQ(station.Settings().Bakkin, 15);  // no change yet: not reloaded
  files.stamps[Path(kLinksLst)] = 900;       // an older copy restored
  station.timMain_Timer();
  EXPECT_EQ(station.Settings().Bakkin, 11);
  SetIni(L"save", L"bakkin", L"12");
  station.timMain_Timer();
  EXPECT_EQ(station.Settings().Bakkin, 11);  // same time: nothing
  files.stamps.erase(Path(kLinksLst));       // deleted: skipped
  station.timMain_Timer();
  files.stamps[Path(kLinksLst)] = 900;       // back with the same time: nothing
  station.timMain_Timer();
  EXPECT_EQ(station.Settings().Bakkin, 11);
  files.stamps[Path(kLinksLst)] = 901;
  station.timMain_Timer();
  EXPECT_EQ(station.Settings().Bakkin, 12) << "900 was the time last seen";
}

TEST_F(StationTest, EditingVantorIniAloneDoesNotReloadSettings) {
  files.stamps[Path(kVantorIni)] = 1000;
  station.Form_Load();
  SetIni(L"save", L"bakkin", L"11");
  files.stamps[Path(kVantorIni)] = 1001;
  const int reads = links.reads;
  station.timMain_Timer();
  EXPECT_GT(links.reads, reads) << "the bookmarks are rebuilt";
  const int rebuilt = links.reads;
  station.timMain_Timer();
  EXPECT_EQ(links.reads, rebuilt) << "1001 is the time last seen";
  EXPECT_EQ(station.Settings().Bakkin, 15);
}

TEST_F(StationTest, PriorityTimerFollowsTheFile) {
  station.Form_Load();
  station.timMain_Timer();
  EXPECT_FALSE(host.timers[StationTimer::Priority]);
  files.stamps[Path(kPriorityIni)] = 1;
  station.timMain_Timer();
  EXPECT_TRUE(host.timers[StationTimer::Priority]);
  station.timPriority_Timer();
  EXPECT_TRUE(host.timers[StationTimer::Priority]);
  files.stamps.erase(Path(kPriorityIni));
  station.timPriority_Timer();
  EXPECT_FALSE(host.timers[StationTimer::Priority]);
}

TEST_F(StationTest, APriorityFileThatCannotBeDeletedIsAStartUpError) {
  SetIni(L"icon", L"balloon", L"1");
  files.stamps[Path(kPriorityIni)] = 1100;
  files.undeletable = Path(kPriorityIni);
  station.Form_Load();
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"Vantor起動中にエラーが発生しました。"});
  EXPECT_FALSE(Balloons()) << "start-up did not end";
}

}  // namespace
}  // namespace vantor
