// What the station tells of failures: one box at a time, each once, one for a folder that takes no file.
#include "station/core/Station.h"

#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

using ReportsTest = StationTest;

TEST_F(ReportsTest, AFailedReloadIsReportedOnceAndKeepsTheKeysBefore) {
  station.Form_Load();
  SetIni(L"color", L"text", L"255");
  SetIni(L"save", L"bakkin", L"x");
  files.stamps[Path(kLinksLst)] = 5;
  Ticks(3);
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"エラーが-CheckLinkListTimeStamp-で発生しました。"});
  EXPECT_EQ(station.Settings().ColorText, 255);
}

TEST_F(ReportsTest, ReportsDoNotPileUpWhileOneIsOpen) {
  station.Form_Load();
  SetIni(L"save", L"bakkin", L"x");
  int nested = 0;
  host.onError = [&] {
    // The message box's modal loop lets further ticks run, each with a new bad save.
    if (nested++ < 3) {
      files.stamps[Path(kLinksLst)] = 100 + nested;
      station.timMain_Timer();
    }
  };
  files.stamps[Path(kLinksLst)] = 100;
  station.timMain_Timer();
  EXPECT_EQ(host.errors.size(), 1u);
  files.stamps[Path(kLinksLst)] = 200;  // after it was closed, a new failure reports again
  host.onError = nullptr;
  station.timMain_Timer();
  EXPECT_EQ(host.errors.size(), 2u);
}

TEST_F(ReportsTest, ADifferentReportWaitsForTheOpenOneAndIsShownOnce) {
  station.Form_Load();
  SetIni(L"save", L"bakkin", L"x");
  bool first = true;
  host.onError = [&] {
    // While the first box is open, ticks raise a reload error twice and the open text again.
    if (!first) return;
    first = false;
    for (FileStamp t : {101, 102}) {
      files.stamps[Path(kLinksLst)] = t;
      station.timMain_Timer();
    }
    station.ChangeIcon();
  };
  iconFile.writable = false;
  station.ChangeIcon();
  EXPECT_EQ(host.errors, (std::vector<std::wstring>{L"エラーが-iconWrite-で発生しました。",
                                                    L"エラーが-CheckLinkListTimeStamp-で発生しました。"}))
      << "one box at a time; the waiting report is shown after the open one, once";
}

TEST_F(ReportsTest, AProgramFolderThatCannotBeListedIsReportedOnceUntilAGoodCheck) {
  files.stamps[Path(kVantorIni)] = 10;
  files.stamps[Path(kLinksLst)] = 20;
  station.Form_Load();
  files.failingFolder = kFolder;
  Ticks(5);
  const std::vector<std::wstring> once = {L"エラーが-CheckVTRiniTimeStamp-で発生しました。",
                                          L"エラーが-CheckLinkListTimeStamp-で発生しました。"};
  EXPECT_EQ(host.errors, once) << "not a box every second";
  files.failingFolder.clear();
  Ticks(2);
  EXPECT_EQ(host.errors, once) << "the files did not change meanwhile";
  files.failingFolder = kFolder;
  Ticks(2);
  EXPECT_EQ(host.errors.size(), 4u) << "failing again after a good check is news";
}

TEST_F(ReportsTest, VantorsOwnWritesAreCheckedAndAFailureIsReportedOnce) {
  station.Form_Load();
  profile.unwritable.insert(Path(kVantorIni));
  station.ShowIconWindow();
  station.ShowIconWindow();
  station.picPercent_MouseDown(kLeftButton);
  const std::wstring text = L"エラーが-SaveWindowState-で発生しました。";
  EXPECT_EQ(host.errors, std::vector<std::wstring>{text});
  EXPECT_GT(profile.failedWrites, 0);
  profile.unwritable.clear();
  station.ShowIconWindow();  // a write that works in between
  EXPECT_EQ(host.errors.size(), 1u);
  profile.unwritable.insert(Path(kVantorIni));
  station.AlwaysHideUDAIcon();
  EXPECT_EQ(host.errors.back(), L"エラーが-AlwaysHideUDAIcon-で発生しました。");
  EXPECT_TRUE(station.Menu().UDAHideAlways) << "the program goes on";
  station.ExitVantor();
  EXPECT_EQ(host.errors.size(), 2u) << "the same file still failing is not news";
  EXPECT_TRUE(host.quit);
}

TEST_F(ReportsTest, AFolderThatTakesNoFileIsToldOnceAfterStartUpUntilItTakesFilesAgain) {
  SetIni(L"icon", L"balloon", L"1");
  files.readOnlyFolder = kFolder;
  files.stamps[Path(kPriorityIni)] = 1100;  // left there: its delete is one of the writes told
  files.undeletable = Path(kPriorityIni);
  files.undeletableSaysDeleted = true;  // as a read-only share under Wine does
  iconFile.writable = false;
  profile.unwritable.insert(Path(kVantorIni));
  host.onError = [&] {  // the tray icon is there before the message, and the ticks go on while it waits
    EXPECT_TRUE(tray.Calls(NotifyMode::Add).size() == 1u && host.timers[StationTimer::Main]);
  };
  station.Form_Load();
  EXPECT_TRUE(Balloons()) << "start-up has ended";
  station.timMain_Timer();
  station.ShowIconWindow();  // SaveWindowState and AlwaysHideUDAIcon meet the same folder
  station.AlwaysHideUDAIcon();
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"unwritable " + kFolder});
  EXPECT_FALSE(host.timers[StationTimer::Priority]) << "the file left there switches no fixing on";
  iconFile.writable = true;
  station.ChangeIcon();  // a write to a file that is there works; still no new file can be made
  station.ShowIconWindow();
  EXPECT_EQ(host.errors.size(), 1u);
  files.readOnlyFolder.clear();
  station.ChangeIcon();  // a write that works where files can be made again: failing is news
  files.readOnlyFolder = kFolder;
  station.ShowIconWindow();
  EXPECT_EQ(host.errors.size(), 2u);
}

}  // namespace
}  // namespace vantor
