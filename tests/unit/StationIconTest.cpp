#include "common/core/IconComposer.h"
#include "station/core/Station.h"
#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

class StationIconTest : public StationTest {
 protected:
  std::vector<std::uint8_t> TempIco() { return iconFile.files[Path(kTempIco)]; }
};

TEST_F(StationIconTest, AChangeWritesTheIconFileAndPublishesIt) {
  processes.table = {{4, L"System"}, {kAgent, L"ud_ligfit_Release.exe"}};
  station.Form_Load();
  StartAgent(84);
  tray.calls.clear();
  station.timMain_Timer();
  ASSERT_EQ(station.Percent, 37);
  const Canvas expected = ComposeIcon(station.Settings(), 37, nullptr, false);
  EXPECT_EQ(host.canvas, expected);
  const IcoBytes bytes = EncodeIco(expected);
  EXPECT_EQ(TempIco(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  EXPECT_EQ(station.TaskName, L"LigandFit");
  const auto modified = tray.Calls(NotifyMode::Modify);
  ASSERT_EQ(modified.size(), 1u);
  EXPECT_EQ(modified[0].tip, L"Vantor \r\nLigandFit \r\n37%");
  EXPECT_EQ(host.windowTip, L"Vantor \r\nLigandFit \r\n37%");
}

TEST_F(StationIconTest, ALongerIconFileKeepsItsTail) {
  iconFile.files[Path(kTempIco)] = std::vector<std::uint8_t>(1200, 0xAB);
  station.Form_Load();
  const auto& file = iconFile.files[Path(kTempIco)];
  ASSERT_EQ(file.size(), 1200u);
  EXPECT_EQ(file[957], 0);
  EXPECT_EQ(file[958], 0xAB);
  EXPECT_EQ(file[1199], 0xAB);
}

TEST_F(StationIconTest, TheTooltipCarriesTheSaveTimeOnlyWithTheWatchOn) {
  station.Form_Load();
  EXPECT_EQ(station.TooltipText(), L"Vantor \r\nNo task \r\n0%");
  SetIni(L"save", L"check", L"1");
  SetIni(L"save", L"folder", L"D:\\UD");
  files.stamps[L"D:\\UD\\tklg.ud"] = 777;
  Station watching{Ports(kFolder)};
  watching.Form_Load();
  EXPECT_EQ(watching.TooltipText(), L"Vantor \r\nNo task \r\n0% T777");
  EXPECT_EQ(watching.PlainTooltipText(), L"Vantor \r\nNo task \r\n0%");
}

TEST_F(StationIconTest, TheTimeLeftEndsTheTooltipWhenAskedForAndAMinuteWithoutAChangeRefreshesTheTooltipAlone) {
  SetIni(L"icon", L"timeleft", L"1");
  SetIni(L"icon", L"balloon", L"1");
  station.Form_Load();
  StartAgent(91);  // 40 %, then every three seconds one percent more
  station.timMain_Timer();
  EXPECT_EQ(host.windowTip, L"Vantor \r\nNo task \r\n40%\r\n残り時間：計算中");
  for (int width : {93, 96, 98}) {
    clock.now += 3;
    windows.windows[bar].width = width;
    station.timMain_Timer();
  }
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
  EXPECT_EQ(host.windowTip, tray.calls[0].second.tip);
  // With the save file's time, ten minutes without a change fit the balloon's longer record only.
  SetIni(L"save", L"check", L"1");
  files.stamps[Path(kLinksLst)] = 2;
  station.timMain_Timer();
  station.SaveFileStamp.current = 1000000000000000000;
  clock.now += 540;
  const std::wstring saved = tip + L" T1000000000000000000";
  EXPECT_EQ(station.TooltipText(), saved + L"\r\n残り時間：不明（10分進んでいません）");
  station.OldShell = 1;
  EXPECT_EQ(station.TooltipText(), saved);
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

TEST_F(StationIconTest, TrayRecordsForEachMode) {
  station.Form_Load();
  NotifyRecord small = station.TrayRecord(L"tip");
  EXPECT_FALSE(small.extended);
  EXPECT_EQ(small.flags, 7u);
  EXPECT_EQ(small.callbackMessage, 512u);
  EXPECT_EQ(small.id, 1u);
  EXPECT_TRUE(small.info.empty());

  SetIni(L"icon", L"balloon", L"1");
  files.stamps[Path(kLinksLst)] = 3;  // reload
  station.timMain_Timer();
  NotifyRecord extended = station.TrayRecord(L"tip");
  EXPECT_TRUE(extended.extended);
  EXPECT_EQ(extended.flags, 0x57u) << "a balloon shown at once or not at all";
  EXPECT_EQ(extended.info, L"tip");
  EXPECT_EQ(extended.infoTitle, L"Vantor");
  EXPECT_EQ(extended.timeout, 3000u);
  EXPECT_EQ(extended.infoFlags, 1u);
  station.StartupDone = false;
  EXPECT_EQ(station.TrayRecord(L"tip").flags, 7u) << "no balloon during start-up";
  station.StartupDone = true;
  station.OldShell = 1;
  EXPECT_FALSE(station.TrayRecord(L"tip").extended) << "older shells get the small record";
}

TEST_F(StationIconTest, BalloonsAtEveryChangeButNotAtStartUp) {
  SetIni(L"icon", L"balloon", L"1");
  station.Form_Load();
  for (const auto& [mode, record] : tray.calls) EXPECT_EQ(record.flags & kNifInfo, 0u);
  StartAgent(50);
  tray.calls.clear();
  station.timMain_Timer();
  windows.windows[bar].width = 60;
  station.timMain_Timer();
  const auto modified = tray.Calls(NotifyMode::Modify);
  ASSERT_EQ(modified.size(), 2u);
  EXPECT_EQ(modified[1].info, L"Vantor \r\nNo task \r\n26%");
  EXPECT_NE(modified[1].flags & kNifInfo, 0u);
}

TEST_F(StationIconTest, AnUnwritableIconFileIsReportedAndTheRestGoesOn) {
  iconFile.writable = false;
  station.Form_Load();
  ASSERT_FALSE(host.errors.empty());
  EXPECT_EQ(host.errors[0], L"エラーが-iconWrite-で発生しました。");
  EXPECT_FALSE(tray.Calls(NotifyMode::Add).empty());
  EXPECT_FALSE(tray.Calls(NotifyMode::Modify).empty());
}

TEST_F(StationIconTest, AnUnwritableIconFileIsReportedOnceUntilAWriteSucceeds) {
  iconFile.writable = false;
  station.Form_Load();
  StartAgent(10);
  for (int width : {20, 30, 40}) {
    windows.windows[bar].width = width;
    station.timMain_Timer();
  }
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"エラーが-iconWrite-で発生しました。"});
  iconFile.writable = true;
  windows.windows[bar].width = 50;
  station.timMain_Timer();
  iconFile.writable = false;
  windows.windows[bar].width = 60;
  station.timMain_Timer();
  EXPECT_EQ(host.errors.size(), 2u) << "failing again after a good write is news";
}

TEST_F(StationIconTest, AnAbsurdPercentageIsAComposeErrorAndKeepsTheIcon) {
  station.Form_Load();
  StartAgent(5000);  // 2203 %: the bar height does not fit 16 bits
  tray.calls.clear();
  station.timMain_Timer();
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"エラーが-ChangeIcon-で発生しました。"});
  EXPECT_TRUE(tray.calls.empty()) << "the tray keeps its previous picture and tooltip";
}

TEST_F(StationIconTest, AMissingPictureSwitchesThePictureOptionsOff) {
  SetIni(L"icon", L"picture", L"C:\\pics\\gone.bmp");
  SetIni(L"icon", L"back", L"1");
  SetIni(L"icon", L"graph", L"1");
  station.Form_Load();
  EXPECT_FALSE(station.Settings().IconBack);
  EXPECT_FALSE(station.Settings().IconGraph);
  EXPECT_TRUE(station.Settings().IconPicture.empty());

  files.stamps[L"C:\\pics\\ok.bmp"] = 1;
  pictures.pictures[L"C:\\pics\\ok.bmp"] = Picture(16, 16, 0x00FF00);
  SetIni(L"icon", L"picture", L"C:\\pics\\ok.bmp");
  files.stamps[Path(kLinksLst)] = 9;
  station.timMain_Timer();
  EXPECT_TRUE(station.Settings().IconBack);
  ASSERT_TRUE(station.IconPicture().has_value());
  EXPECT_EQ(host.canvas.Pixel(12, 2), 0x00FF00u);  // above the digits, inside the frame

  files.stamps[L"C:\\pics\\huge.bmp"] = 1;
  pictures.throwingPicture = L"C:\\pics\\huge.bmp";
  SetIni(L"icon", L"picture", L"C:\\pics\\huge.bmp");
  files.stamps[Path(kLinksLst)] = 10;
  station.timMain_Timer();
  EXPECT_FALSE(station.Settings().IconBack) << "a load that throws fails like any other, silently";
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(StationIconTest, BothPlacesHiddenStillShowsTheTrayIcon) {
  SetIni(L"visible", L"window", L"0");
  SetIni(L"visible", L"tasktray", L"0");
  station.Form_Load();
  EXPECT_EQ(tray.Calls(NotifyMode::Add).size(), 1u);
  EXPECT_TRUE(station.Menu().ShowIcon);
  EXPECT_FALSE(station.Menu().ShowWindowEnabled);
  EXPECT_FALSE(station.TrayShown);
  EXPECT_EQ(tray.Calls(NotifyMode::Add)[0].tip, L"Vantor \r\nNo task \r\n0%");
}

TEST_F(StationIconTest, TogglesNeverLeaveNothingVisible) {
  station.Form_Load();
  ASSERT_TRUE(station.Menu().ShowIcon);
  ASSERT_FALSE(station.Menu().ShowWindow);
  station.ShowIconTaskTray();  // hide the tray icon: the window comes instead
  EXPECT_FALSE(station.Menu().ShowIcon);
  EXPECT_TRUE(station.Menu().ShowWindow);
  EXPECT_TRUE(host.visible);
  EXPECT_EQ(tray.Calls(NotifyMode::Delete).size(), 1u);
  station.ShowIconWindow();  // hide the window: the tray icon comes back
  EXPECT_TRUE(station.Menu().ShowIcon);
  EXPECT_FALSE(station.Menu().ShowWindow);
  EXPECT_FALSE(host.visible);
  station.ShowIconWindow();  // both
  EXPECT_TRUE(station.Menu().ShowIcon && station.Menu().ShowWindow);
  station.ShowIconTaskTray();  // only the window
  EXPECT_FALSE(station.Menu().ShowIcon);
  EXPECT_TRUE(host.visible);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"window"), L"1");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"tasktray"), L"0");
}

TEST(IconWindowPlace, ThePlaceIsKeptOnAWorkAreaElseMovedOntoTheNearest) {
  const MonitorArea one{{0, 0, 1024, 768}, {0, 0, 1024, 738}};  // a task bar along the bottom
  const MonitorArea right{{1024, 0, 2048, 768}, {1024, 0, 2048, 768}};
  const MonitorArea left{{-1280, -256, 0, 768}, {-1280, -256, 0, 768}};
  const MonitorArea above{{1024, -500, 2048, 0}, {1024, -500, 2048, 0}};
  constexpr std::int32_t kMax = 2147483647, kMin = -2147483647 - 1;
  const struct {
    WindowPlace stored;
    std::vector<MonitorArea> monitors;
    WindowPlace shown;
  } rows[] = {
      {{100, 100}, {one}, {100, 100}},
      {{1008, 722}, {one}, {1008, 722}},      // the last place wholly inside
      {{4000, 3000}, {one}, {1008, 722}},     // a larger screen's place
      {{100, 730}, {one}, {100, 722}},        // on the task bar
      {{-50, -20}, {one}, {0, 0}},
      {{kMax, kMin}, {one}, {1008, 0}},
      {{1500, 100}, {one, right}, {1500, 100}},
      {{3000, 100}, {one, right}, {2032, 100}},  // a monitor unplugged on the right
      {{1020, 100}, {one, right}, {1024, 100}},  // mostly on the right one
      {{1012, 100}, {one, right}, {1008, 100}},
      {{-2000, 900}, {one, left}, {-1280, 752}},
      {{1100, -700}, {one, above}, {1100, -500}},  // nearer to the one above than to the first
      {{4000, 3000}, {}, {4000, 3000}},          // no monitors reported
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ReachablePlace(row.stored, 16, 16, row.monitors), row.shown) << row.stored.left << "," << row.stored.top;
  }
}

TEST_F(StationIconTest, TheIconWindowIsPlacedAtStartUpOnDisplayChangeAndWhenShownAndTheStoredPlaceStays) {
  host.monitors = {{{0, 0, 1024, 768}, {0, 0, 1024, 768}}};
  SetIni(L"window", L"top", L"3000");
  SetIni(L"window", L"left", L"4000");
  station.Form_Load();
  EXPECT_EQ(WindowPlace(host.left, host.top), WindowPlace(1008, 752));
  host.monitors = {{{0, 0, 640, 480}, {0, 0, 640, 480}}};
  station.OnDisplayChange();
  EXPECT_EQ(WindowPlace(host.left, host.top), WindowPlace(624, 464));
  host.monitors = {{{0, 0, 800, 600}, {0, 0, 800, 600}}};
  station.ShowIconTaskTray();  // hiding the tray shows the window
  EXPECT_EQ(WindowPlace(host.left, host.top), WindowPlace(784, 584));
  station.picPercent_MouseDown(kLeftButton);  // a click, no move
  station.ExitVantor();
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"4000");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"top"), L"3000");
}

// At 150 % the screen has 144 pixels per inch; the stored place stays in pixels of 1/96 inch.
TEST_F(StationIconTest, TheStoredPlaceIsInPixelsOfA96thInchAtEveryScaling) {
  host.dpi = 144;
  host.monitors = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}};
  SetIni(L"window", L"top", L"150");
  SetIni(L"window", L"left", L"301");
  station.Form_Load();
  EXPECT_EQ(WindowPlace(host.left, host.top), WindowPlace(452, 225));  // 451.5 rounds up
  host.dragBy = -2;
  station.picPercent_MouseDown(kLeftButton);  // a drag to 450
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"300");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"top"), L"150");
  EXPECT_EQ(ScreenFromStored({2147483647, -2147483647 - 1}, 144), WindowPlace(2147483647, -2147483647 - 1));
  EXPECT_EQ(StoredFromScreen({-451, 0}, 144), WindowPlace(-301, 0));
}

TEST_F(StationIconTest, MouseOnTrayAndIconWindow) {
  station.Form_Load();
  StartAgent(0);
  for (int i = 0; i < 902; ++i) station.timMain_Timer();
  ASSERT_TRUE(station.Backin);
  station.picIcon_MouseMove(512);
  station.picIcon_MouseMove(514);
  EXPECT_TRUE(station.Backin);
  station.picIcon_MouseMove(513);
  EXPECT_FALSE(station.Backin);
  EXPECT_EQ(station.ZeroTicks, 0);
  station.picIcon_MouseMove(516);
  EXPECT_EQ(host.menus, std::vector<bool>{true});

  for (int i = 0; i < 902; ++i) station.timMain_Timer();
  ASSERT_TRUE(station.Backin);
  station.picPercent_MouseUp();
  EXPECT_FALSE(station.Backin);

  host.dragBy = 30;
  station.picPercent_MouseDown(kLeftButton);
  EXPECT_EQ(host.drags, 1);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"30");
  station.picPercent_MouseDown(kRightButton);
  EXPECT_EQ(host.menus, (std::vector<bool>{true, false}));
  // A click inside the open menu opens no second one; a menu that fails leaves the way open.
  host.onMenu = [&] {
    station.picIcon_MouseMove(516);
    throw std::runtime_error("no menu");
  };
  EXPECT_THROW(station.picPercent_MouseDown(kRightButton), std::runtime_error);
  station.picIcon_MouseMove(516);
  EXPECT_EQ(host.menus, (std::vector<bool>{true, false, false, true}));
}

TEST_F(StationIconTest, MuteAlarmShellRestartAndExit) {
  station.Form_Load();
  station.SetMute();
  EXPECT_TRUE(station.Menu().Mute);
  station.SetMute();
  EXPECT_FALSE(station.Menu().Mute);
  station.SetAlarm(true);
  station.timMain_Timer();
  EXPECT_TRUE(station.Menu().Alarm);
  station.SetAlarm(false);
  station.timMain_Timer();
  EXPECT_FALSE(station.Menu().Alarm);

  tray.calls.clear();
  station.OnTaskbarCreated();
  ASSERT_EQ(tray.Calls(NotifyMode::Add).size(), 1u);
  EXPECT_EQ(tray.Calls(NotifyMode::Add)[0].flags & kNifInfo, 0u);
  station.ExitVantor();
  EXPECT_EQ(tray.Calls(NotifyMode::Delete).size(), 1u);
}

}  // namespace
}  // namespace vantor
