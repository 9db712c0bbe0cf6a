// The record of the units: history.csv, the rows that wait, the side file, and the time left
// in the tooltip.
#include <algorithm>

#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

using UnitLogTest = StationTest;

TEST_F(UnitLogTest, EveryUnitGetsItsRowInOrderAndRowsThatCannotBeWrittenWait) {
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
  const std::string rows = "No task,2004-03-07 09:05:03,2004-03-07 09:05:03,3,40,41,new_unit\r\n"
                           "No task,2004-03-07 09:05:03,2004-03-07 09:05:03,3,2,3,new_unit\r\n";
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

TEST_F(UnitLogTest, TheTimeLeftEndsTheTooltipWhenAskedForAndAMinuteWithoutAChangeRefreshesTheTooltipAlone) {
  SetIni(L"icon", L"timeleft", L"1");
  SetIni(L"icon", L"balloon", L"1");
  station.Form_Load();
  StartAgent(91);  // 40 %, then every three seconds one percent more
  station.timMain_Timer();
  EXPECT_EQ(iconWindow.windowTip, L"Vantor \r\nNo task \r\n40%\r\n残り時間：計算中");
  for (int width : {93, 96, 98}) clock.now += 3, Tick(width);
  const std::wstring tip = L"Vantor \r\nNo task \r\n43%";
  EXPECT_EQ(tray.Calls(NotifyMode::Modify).back().tip, tip + L"\r\n残り時間：約3分");
  tray.calls.clear();
  clock.now += 59;
  station.timMain_Timer();
  EXPECT_TRUE(tray.calls.empty());
  clock.now += 1;
  station.timMain_Timer();
  ASSERT_EQ(tray.calls.size(), 1u);
  EXPECT_EQ(tray.calls[0].first, NotifyMode::Modify);
  EXPECT_EQ(tray.calls[0].second.flags, kNifMessage | kNifTip) << "no icon, no balloon";
  EXPECT_EQ(tray.calls[0].second.tip, tip + L"\r\n残り時間：不明（1分進んでいません）");
  EXPECT_EQ(iconWindow.windowTip, tray.calls[0].second.tip);
  // With the save file's time, ten minutes without a change fit the balloon's longer record only.
  SetIni(L"save", L"check", L"1");
  SetIni(L"save", L"folder", L"D:\\UD");
  files.stamps[L"D:\\UD\\tklg.ud"] = 1000000000000000000;
  files.stamps[Path(kLinksLst)] = 2;
  station.timMain_Timer();
  clock.now += 540;
  const std::wstring saved = tip + L" T1000000000000000000";
  EXPECT_EQ(station.TooltipText(), saved + L"\r\n残り時間：不明（10分進んでいません）");
  // An older shell has the short record alone: the same ten minutes leave the line out.
  host.osKind = 0;
  Station old{Ports(kFolder)};
  old.Form_Load();
  for (int width : {91, 93, 96, 98}) clock.now += 3, SetWidth(width), old.timMain_Timer();
  clock.now += 600;
  EXPECT_EQ(old.TooltipText(), saved);
  // Switched off, the tooltip is today's and nothing is refreshed.
  SetIni(L"icon", L"timeleft", L"0");
  files.stamps[Path(kLinksLst)] = 3;
  station.timMain_Timer();
  tray.calls.clear();
  clock.now += 600;
  station.timMain_Timer();
  EXPECT_TRUE(tray.calls.empty());
  EXPECT_EQ(station.TooltipText(), saved);
}

}  // namespace
}  // namespace vantor
