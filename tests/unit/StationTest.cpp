#include "station/core/Station.h"

#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

TEST_F(StationTest, StartUpInOrderWithDefaults) {
  files.stamps[Path(kVantorIni)] = 1000;
  files.stamps[Path(kPriorityIni)] = 1100;
  files.stamps[Path(kLinksLst)] = 1200;
  station.Form_Load();
  EXPECT_TRUE(host.errors.empty());
  EXPECT_TRUE(station.StartupDone);
  EXPECT_EQ(host.topMode, 1);
  EXPECT_TRUE(host.sized);
  EXPECT_EQ(files.deleted, std::vector<std::wstring>{Path(kPriorityIni)});
  EXPECT_TRUE(files.FileExists(Path(kVantorIni)));
  EXPECT_TRUE(files.FileExists(Path(kLinksLst)));
  EXPECT_EQ(station.VantorIniStamp.lastSeen, 1000);
  EXPECT_EQ(station.LinksStamp.lastSeen, 1200);
  EXPECT_EQ(station.OldShell, 0);
  EXPECT_FALSE(station.WindowShown);
  EXPECT_TRUE(station.TrayShown);
  EXPECT_FALSE(host.visible);
}

TEST_F(StationTest, OldShellForEveryKindButTheNtFamily) {
  for (std::int16_t kind : {0, 1, 2, 3}) {
    test::FakeHost h;
    h.osKind = kind;
    Station s{StationPorts{windows, files, profile, h, icons, processes, kFolder, sound, capture, links, priorities}};
    s.Form_Load();
    EXPECT_EQ(s.OldShell, (kind == 1 || kind == 2) ? 0 : 1) << kind;
  }
}

TEST_F(StationTest, TheSaveFileIsLookedAtOnlyWithTheWatchOn) {
  SetIni(L"save", L"folder", L"D:\\UD");
  files.stamps[L"D:\\UD\\tklg.ud"] = 500;
  station.Form_Load();
  EXPECT_EQ(station.SaveFileStamp.lastSeen, 0);
  SetIni(L"save", L"check", L"1");
  Station watching{Ports(kFolder)};
  watching.Form_Load();
  EXPECT_EQ(watching.SaveFileStamp.lastSeen, 500);
}

TEST_F(StationTest, ABadSettingAtStartUpIsReportedAndTheStationRunsOn) {
  SetIni(L"color", L"graph", L"255");
  SetIni(L"save", L"bakkin", L"fifteen");
  station.Form_Load();
  ASSERT_EQ(host.errors, std::vector<std::wstring>{L"Vantor起動中にエラーが発生しました。"});
  EXPECT_FALSE(station.StartupDone);
  EXPECT_EQ(station.Settings().ColorGraph, 255);
  EXPECT_EQ(tray.Calls(NotifyMode::Add).size(), 1u) << "the tray icon and its menu are there";
  StartAgent(113);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 50);
}

TEST_F(StationTest, MeasuresTheAgentAndRemembersItsHandles) {
  station.Form_Load();
  StartAgent(113);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 50);
  EXPECT_EQ(station.LastPercent, 50);
  EXPECT_EQ(station.UDProcessID, kAgent);
  EXPECT_EQ(station.UDformhwnd, agentForm);
  EXPECT_EQ(station.hwndProgressBar, bar);
  SetWidth(227);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 100);
}

TEST_F(StationTest, AWindowWithATitleIsNeverTheAgent) {
  station.Form_Load();
  const WindowHandle titled = windows.Add(windows.kDesktop, kAgent, 0, 0, L"ThunderRT6formDC", L"UD Agent");
  const WindowHandle frame = windows.Add(titled, kAgent, 9);
  windows.Add(frame, kAgent, 10, 200);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 0);
  EXPECT_EQ(station.UDformhwnd, 0u);
  EXPECT_TRUE(station.NoAgentShown);
}

TEST_F(StationTest, BackingOffAfterTheThresholdThenBlinking) {
  station.Form_Load();
  StartAgent(0);
  station.timMain_Timer();  // 0 == LastPercent: first counting tick
  EXPECT_EQ(station.ZeroTicks, 1);
  Ticks(899);
  EXPECT_EQ(station.ZeroTicks, 900);
  EXPECT_FALSE(station.Backin);
  station.timMain_Timer();  // at the threshold: the backing-off icon
  EXPECT_TRUE(station.Backin);
  EXPECT_TRUE(station.BackinBlink);
  station.timMain_Timer();  // then the normal icon
  EXPECT_TRUE(station.Backin);
  EXPECT_FALSE(station.BackinBlink);
  station.timMain_Timer();
  EXPECT_TRUE(station.BackinBlink);
  EXPECT_EQ(station.ZeroTicks, 900);

  // The agent goes away: backing off and the blink phase stay as they are.
  windows.Remove(agentForm);
  Ticks(3);
  EXPECT_TRUE(station.Backin);
  EXPECT_TRUE(station.BackinBlink);
  EXPECT_EQ(station.Percent, 0);

  // Back with 1 %: blinking ends at once.
  StartAgent(3);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 1);
  EXPECT_FALSE(station.Backin);
  EXPECT_EQ(station.ZeroTicks, 0);
}

TEST_F(StationTest, TheThresholdDoesNotOverflowForLargeMinutes) {
  SetIni(L"save", L"bakkin", L"600");  // 600 × 60 = 36000 does not fit 16 bits
  station.Form_Load();
  EXPECT_EQ(station.BackinThreshold(), 36000);
  StartAgent(0);
  Ticks(33000);
  EXPECT_FALSE(station.Backin);
  EXPECT_EQ(station.ZeroTicks, 33000);
}

TEST_F(StationTest, AChangeToZeroResetsTheCounterLikeAnyChange) {
  station.Form_Load();
  StartAgent(50);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 22);
  SetWidth(0);
  station.timMain_Timer();
  EXPECT_EQ(station.ZeroTicks, 0);
  station.timMain_Timer();
  EXPECT_EQ(station.ZeroTicks, 1);
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
  EXPECT_EQ(station.LinksStamp.lastSeen, 900);
}

TEST_F(StationTest, EditingVantorIniAloneDoesNotReloadSettings) {
  files.stamps[Path(kVantorIni)] = 1000;
  station.Form_Load();
  SetIni(L"save", L"bakkin", L"11");
  files.stamps[Path(kVantorIni)] = 1001;
  station.timMain_Timer();
  EXPECT_EQ(station.VantorIniStamp.lastSeen, 1001);
  EXPECT_EQ(station.Settings().Bakkin, 15);
}

TEST_F(StationTest, EveryUnitGetsItsRowInOrderAndRowsThatCannotBeWrittenWait) {
  station.Form_Load();
  StartAgent(91);  // 40 %
  station.timMain_Timer();
  const auto step = [&](int width) {
    clock.now += 3;
    SetWidth(width);
    station.timMain_Timer();
  };
  history.result = AppendResult::Held;  // a spreadsheet holds the file shut
  for (int width : {93, 5, 7, 3}) step(width);  // 41 %, then 2 % and 3 %, then 1 %: two new units
  EXPECT_EQ(station.RowsWaiting(), 2u);
  EXPECT_TRUE(history.files.empty());
  history.result = AppendResult::Written;
  station.timMain_Timer();
  const std::string rows = "No task,2004-03-07 00:00:00,2004-03-07 00:00:00,3,40,41,new_unit\r\n"
                           "No task,2004-03-07 00:00:00,2004-03-07 00:00:00,3,2,3,new_unit\r\n";
  EXPECT_EQ(history.files[Path(kHistoryCsv)], HistoryHeader() + rows);
  // A full disk: the row waits and the failure is told once, with its cause, until a row is
  // written again; a folder that takes no file is told as such, once.
  history.result = AppendResult::DiskFull;
  for (int width : {7, 3}) step(width);  // a unit from 1 % to 3 %
  Ticks(2);
  EXPECT_EQ(station.RowsWaiting(), 1u);
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"not written " + Path(kHistoryCsv) + L": disk full"});
  files.readOnlyFolder = kFolder;
  Ticks(3);
  EXPECT_EQ(host.errors.back(), L"unwritable " + kFolder);
  files.readOnlyFolder.clear();
  // At most 300 rows wait; the oldest go first, which is told once.
  history.result = AppendResult::Held;
  for (int i = 0; i < 300; ++i) {
    for (int width : {5, 3}) step(width);
  }
  EXPECT_EQ(station.RowsWaiting(), 300u);
  EXPECT_EQ(station.RowsDropped(), 1u);
  EXPECT_EQ(host.errors.back(), L"dropped " + Path(kHistoryCsv));
  // Vantor ends while a spreadsheet holds the file: the rows go into the side file, and the
  // next start appends them in order, before its own rows.
  step(5);
  station.ExitVantor();
  EXPECT_EQ(host.errors.size(), 3u) << "the rows dropped since are not told again";
  EXPECT_TRUE(history.files.count(Path(kHistoryWaitingCsv)));
  history.result = AppendResult::Written;
  Station next(Ports(kFolder));
  next.Form_Load();
  for (int width : {91, 93}) clock.now += 3, SetWidth(width), next.timMain_Timer();  // a unit from 40 % to 41 %
  next.ExitVantor();
  const std::string& file = history.files[Path(kHistoryCsv)];
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 1 + 2 + 300 + 1);
  EXPECT_EQ(file.find(",1,3,new_unit"), std::string::npos) << "the oldest rows went first";
  EXPECT_NE(file.find(",3,1,2,vantor_exit\r\nNo task,"), std::string::npos) << "the last run's end, then this run's";
  EXPECT_EQ(file.substr(file.size() - 22), ",3,40,41,vantor_exit\r\n");
  EXPECT_FALSE(history.files.count(Path(kHistoryWaitingCsv))) << "gone once its rows are written";
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

TEST_F(StationTest, WindowStateRoundsTiesToEvenAndIsSavedAtExit) {
  SetIni(L"window", L"top", L"123.5");
  SetIni(L"window", L"left", L"122.5");
  SetIni(L"visible", L"window", L"1");
  SetIni(L"visible", L"tasktray", L"0");
  SetIni(L"menu", L"deleteUDAicon", L"1");
  station.Form_Load();
  EXPECT_EQ(station.WindowTop, 124);
  EXPECT_EQ(station.WindowLeft, 122);
  EXPECT_TRUE(station.WindowShown);
  EXPECT_FALSE(station.TrayShown);
  EXPECT_TRUE(station.DeleteUDAicon);
  EXPECT_EQ(host.top, 124);
  EXPECT_TRUE(host.visible);
  host.dragBy = 300 - 122;
  station.picPercent_MouseDown(kLeftButton);
  station.ExitVantor();
  EXPECT_TRUE(host.quit);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"300");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"top"), L"124");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"window"), L"1");
}

TEST_F(StationTest, AFailedStartUpDoesNotOverwriteTheStoredWindowState) {
  SetIni(L"save", L"bakkin", L"x");
  SetIni(L"window", L"left", L"640");
  SetIni(L"visible", L"tasktray", L"0");
  SetIni(L"visible", L"window", L"1");
  station.Form_Load();
  ASSERT_EQ(host.errors.size(), 1u);
  station.ExitVantor();
  EXPECT_TRUE(host.quit);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"640");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"tasktray"), L"0");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"window"), L"1");
}

TEST_F(StationTest, ABadWindowPositionIsAStartUpError) {
  SetIni(L"window", L"top", L"top of screen");
  SetIni(L"visible", L"tasktray", L"0");
  station.Form_Load();
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_FALSE(station.StartupDone);
  EXPECT_TRUE(station.Menu().ShowIcon && tray.Calls(NotifyMode::Add).size() == 1u) << "the defaults show the tray";
}

TEST_F(StationTest, APriorityFileThatCannotBeDeletedIsAStartUpError) {
  files.stamps[Path(kPriorityIni)] = 1100;
  files.undeletable = Path(kPriorityIni);
  station.Form_Load();
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"Vantor起動中にエラーが発生しました。"});
  EXPECT_FALSE(station.StartupDone);
}

}  // namespace
}  // namespace vantor
