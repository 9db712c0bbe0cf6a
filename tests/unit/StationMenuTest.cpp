// What the menu's commands do: bookmarks, opening pages, the agent's window and tray icon.
#include "station/core/Station.h"
#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

class StationMenuTest : public StationTest {
 protected:
  std::vector<std::wstring> Titles() {
    std::vector<std::wstring> titles;
    for (int i = 1; i < station.Links().LinkCount(); ++i) titles.push_back(station.Links().Entry(i).Title);
    return titles;
  }
};

TEST_F(StationMenuTest, BookmarksFollowTheFile) {
  links.files[Path(kLinksLst)] = L"One,http://1/\r\n二,http://2/\r\nThree,http://3/\r\n";
  station.Form_Load();
  EXPECT_EQ(station.Links().LinkCount(), 4);
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"二", L"Three"}));

  // The editor removes one and saves: the next change of Vantor.ini rebuilds the entries.
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nThree,http://3/\r\n";
  files.stamps[Path(kVantorIni)] = 50;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"Three"}));

  // Deleted while running: recreated with the single default bookmark.
  links.files.clear();
  files.stamps[Path(kVantorIni)] = 51;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"United Devices inc."}));
  EXPECT_EQ(links.files[Path(kLinksLst)], kDefaultLinksText);
}

TEST_F(StationMenuTest, ASaveSeenBetweenItsTwoWritesStillEndsWithTheNewBookmarks) {
  links.files[Path(kLinksLst)] = L"One,http://1/\r\n";
  station.Form_Load();
  // The editor's save: Vantor.ini first (a tick sees it and rebuilds from the old links.lst) ...
  files.stamps[Path(kVantorIni)] = 50;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One"}));
  // ... then links.lst, whose new time rebuilds the entries again.
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nTwo,http://2/\r\n";
  files.stamps[Path(kLinksLst)] = 51;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"Two"}));
}

TEST_F(StationMenuTest, AFileThatCannotBeReadWholeKeepsTheLastGoodMenuUntilItsNextChange) {
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nTwo,http://2/\r\n";
  station.Form_Load();
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nTwo,http://2/\r\nThree,http://3/\r\n";
  links.unreadable.insert(Path(kLinksLst));  // held by another program without sharing
  files.stamps[Path(kLinksLst)] = 60;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"Two"}));
  links.unreadable.clear();
  links.readUpTo[Path(kLinksLst)] = 20;  // a read that fails on the way
  files.stamps[Path(kLinksLst)] = 61;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"Two"}));
  links.readUpTo.clear();
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"Two"})) << "tried again only at the next change";
  files.stamps[Path(kLinksLst)] = 62;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
  EXPECT_EQ(links.writes, 0) << "the file is never rewritten";
}

TEST_F(StationMenuTest, AtStartUpAFileReadInPartGivesWhatWasRead) {
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nTwo,http://2/\r\n";
  links.readUpTo[Path(kLinksLst)] = 20;
  station.Form_Load();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"One"})) << "the cut line is left out";
  EXPECT_EQ(links.writes, 0);
}

TEST_F(StationMenuTest, ABookmarkChosenInAnOpenMenuIsTheOneTheMenuShowed) {
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nTwo,http://2/\r\n";
  station.Form_Load();
  const LinkList& shown = station.MenuLinks();
  EXPECT_EQ(shown.LinkCount(), 3);
  // While the menu is open a tick reloads the list: "One" was deleted.
  links.files[Path(kLinksLst)] = L"Two,http://2/\r\n";
  files.stamps[Path(kLinksLst)] = 70;
  station.timMain_Timer();
  EXPECT_EQ(Titles(), (std::vector<std::wstring>{L"Two"}));
  station.JumptoURL(1);
  EXPECT_EQ(host.opened, std::vector<std::wstring>{L"http://1/"}) << "entry 1 of the open menu";
  station.JumptoURL(1);
  EXPECT_EQ(host.opened.back(), L"http://2/") << "without a menu, the current list";
}

TEST_F(StationMenuTest, OpeningPagesAndTheEditor) {
  links.files[Path(kLinksLst)] = L"One,http://1/\r\nTwo,mailto:x\r\n";
  station.Form_Load();
  station.JumptoURL(2);
  station.ShowSetting();
  EXPECT_EQ(host.opened, (std::vector<std::wstring>{L"mailto:x", L"C:\\Vantor\\Preference.exe"}));
  EXPECT_TRUE(host.stopMessages.empty());
  station.JumptoURL(0);
  station.JumptoURL(3);
  EXPECT_EQ(host.opened.size(), 2u) << "no bookmark at those places";
  host.shellOpens = false;
  station.JumptoURL(1);
  station.ShowSetting();
  host.shellOpens = true;
  station.JumptoURL(1);
  EXPECT_EQ(host.stopMessages, std::vector<std::wstring>(2, L"エラーが起きました。"));
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(StationMenuTest, TheAlarmEntryAndTheTickAgree) {
  station.Form_Load();
  station.mnuAlarm_Click();
  EXPECT_TRUE(station.Menu().Alarm);
  EXPECT_TRUE(station.Settings().SoundProgress && station.Settings().SoundOnce);
  station.timMain_Timer();
  EXPECT_TRUE(station.Menu().Alarm);
  station.mnuAlarm_Click();
  station.timMain_Timer();
  EXPECT_FALSE(station.Menu().Alarm);
  EXPECT_FALSE(station.Settings().SoundProgress || station.Settings().SoundOnce);
}

TEST_F(StationMenuTest, KeepHidingTheAgentsIconOnAndOff) {
  station.Form_Load();
  StartAgent(10);
  station.timMain_Timer();
  ASSERT_EQ(iconWindow.windowTip, L"Vantor \r\nNo task \r\n4%") << "the agent found";
  const WindowHandle form = agentForm;
  tray.calls.clear();

  station.AlwaysHideUDAIcon();
  EXPECT_TRUE(station.Menu().UDAHideAlways);
  EXPECT_TRUE(host.timers[StationTimer::DeleteUDA]);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"menu", L"deleteUDAicon"), L"1");
  ASSERT_EQ(tray.calls.size(), 1u);
  EXPECT_EQ(tray.calls[0].first, NotifyMode::Delete);
  const NotifyRecord& record = tray.calls[0].second;
  EXPECT_EQ(record.window, form);
  EXPECT_EQ(record.id, 1u);
  EXPECT_EQ(record.callbackMessage, 512u);
  EXPECT_FALSE(record.withIcon);
  EXPECT_FALSE(record.extended);
  EXPECT_EQ(record.flags, 7u);

  station.timDeleteUDA_Timer();
  EXPECT_EQ(tray.Calls(NotifyMode::Delete).size(), 2u) << "removed again every five seconds";

  station.AlwaysHideUDAIcon();
  EXPECT_FALSE(station.Menu().UDAHideAlways);
  EXPECT_FALSE(host.timers[StationTimer::DeleteUDA]);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"menu", L"deleteUDAicon"), L"0");
  EXPECT_EQ(tray.Calls(NotifyMode::Add).size(), 1u) << "the agent gets its slot back";
}

TEST_F(StationMenuTest, KeepHidingFromTheSettingAtStartUp) {
  SetIni(L"menu", L"deleteUDAicon", L"1");
  station.Form_Load();
  EXPECT_TRUE(station.Menu().UDAHideAlways);
  EXPECT_TRUE(host.timers[StationTimer::DeleteUDA]);
}

TEST_F(StationMenuTest, WithoutAnAgentTheAgentCommandsTouchNothing) {
  station.Form_Load();
  station.timMain_Timer();
  tray.calls.clear();
  station.ShowUDAIcon();
  station.HideUDAIcon();
  station.AlwaysHideUDAIcon();
  EXPECT_TRUE(tray.calls.empty()) << "the monitor's own icon is never the target";
}

TEST_F(StationMenuTest, ShowingTheAgentRestoresItsWindow) {
  station.Form_Load();
  const WindowHandle second = AddSecondWindow();
  StartAgent(10);
  station.timMain_Timer();
  log.calls.clear();
  station.ShowUDAWindow();
  const std::wstring form = std::to_wstring(agentForm);
  EXPECT_EQ(log.calls, (std::vector<std::wstring>{L"show " + std::to_wstring(second) + L" hide",
                                                      L"show " + form + L" normal", L"size " + form + L" 758x514"}));
}

TEST_F(StationMenuTest, DoubleClickOnTheTrayFollowsTheSetting) {
  station.Form_Load();
  station.picIcon_MouseMove(kTrayDoubleClick);
  EXPECT_EQ(host.opened, std::vector<std::wstring>{L"C:\\Vantor\\Preference.exe"});
  SetIni(L"icon", L"dblclick", L"1");
  files.stamps[Path(kLinksLst)] = 7;
  StartAgent(10);
  station.timMain_Timer();
  log.calls.clear();
  station.picIcon_MouseMove(kTrayDoubleClick);
  EXPECT_EQ(host.opened.size(), 1u);
  EXPECT_EQ(log.calls.size(), 2u) << "the agent's window instead, shown at its size";
}

}  // namespace
}  // namespace vantor
