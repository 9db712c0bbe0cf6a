#include "station/core/Station.h"
#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

class StationIconTest : public StationTest {
 protected:
  std::vector<std::uint8_t> TempIco() { return iconFile.files[Path(kTempIco)]; }
};

TEST_F(StationIconTest, AChangeWritesTheIconFileAndPublishesEachPlacesFaceAtItsOwnSize) {
  processes.table = {{4, L"System"}, {kAgent, L"ud_ligfit_Release.exe"}};
  tray.iconSize = 24;  // the taskbar at 150 %, the icon window on a monitor at 100 %
  station.Form_Load();
  StartAgent(84);
  tray.calls.clear();
  station.timMain_Timer();
  ASSERT_EQ(iconWindow.windowTip, L"Vantor \r\nLigandFit \r\n37%");
  EXPECT_EQ(iconWindow.canvas, Face(37));
  EXPECT_EQ(tray.published, Face(37, false, 24));
  const IcoBytes bytes = EncodeIco(Face(37));
  EXPECT_EQ(TempIco(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  const auto modified = tray.Calls(NotifyMode::Modify);
  ASSERT_EQ(modified.size(), 1u);
  EXPECT_EQ(modified[0].tip, L"Vantor \r\nLigandFit \r\n37%");
  // Scaling changes, one after another: the sizes the ports then give, the faces drawn, and
  // whether the shell is handed the new icon. Sizes no icon has take the nearest one.
  struct Case { int tray, window, trayFace, windowFace; bool told; };
  const Case changes[] = {{24, 16, 24, 16, false}, {20, 20, 20, 20, true}, {32, 24, 32, 24, true},
                          {32, 24, 32, 24, false}, {0, 80, 16, 64, true}};
  for (const Case& c : changes) {
    tray.calls.clear();
    tray.iconSize = c.tray;
    iconWindow.faceSize = c.window;
    station.OnScalingChanged();
    EXPECT_EQ(tray.published, Face(37, false, c.trayFace)) << c.tray;
    EXPECT_EQ(iconWindow.canvas, Face(37, false, c.windowFace)) << c.window;
    EXPECT_EQ(tray.Calls(NotifyMode::Modify).size(), c.told ? 1u : 0u) << c.tray << " " << c.window;
  }
  EXPECT_EQ(TempIco(), std::vector<std::uint8_t>(bytes.begin(), bytes.end())) << "temp.ico stays 16 x 16";
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
  tray.calls.clear();
  Station starting{Ports(kFolder)};
  starting.Form_Load();
  EXPECT_EQ(tray.Calls(NotifyMode::Add).at(0).flags, 7u) << "no balloon during start-up";
  host.osKind = 0;
  Station old{Ports(kFolder)};
  old.Form_Load();
  EXPECT_FALSE(old.TrayRecord(L"tip").extended) << "older shells get the small record";
}

TEST_F(StationIconTest, BalloonsAtEveryChangeButNotAtStartUp) {
  SetIni(L"icon", L"balloon", L"1");
  station.Form_Load();
  for (const auto& [mode, record] : tray.calls) EXPECT_EQ(record.flags & kNifInfo, 0u);
  StartAgent(50);
  tray.calls.clear();
  station.timMain_Timer();
  Tick(60);
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
  for (int width : {20, 30, 40}) Tick(width);
  EXPECT_EQ(host.errors, std::vector<std::wstring>{L"エラーが-iconWrite-で発生しました。"});
  iconFile.writable = true;
  Tick(50);
  iconFile.writable = false;
  Tick(60);
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
  EXPECT_EQ(iconWindow.canvas.Pixel(12, 2), 0x00FF00u);  // above the digits, inside the frame

  files.stamps[L"C:\\pics\\huge.bmp"] = 1;
  pictures.throwingPicture = L"C:\\pics\\huge.bmp";
  SetIni(L"icon", L"picture", L"C:\\pics\\huge.bmp");
  files.stamps[Path(kLinksLst)] = 10;
  station.timMain_Timer();
  EXPECT_FALSE(station.Settings().IconBack) << "a load that throws fails like any other, silently";
  EXPECT_TRUE(host.errors.empty());
}

TEST_F(StationIconTest, MouseOnTrayAndIconWindow) {
  station.Form_Load();
  StartAgent(0);
  Ticks(901);
  ASSERT_EQ(iconWindow.canvas, Face(0, true)) << "backing off";
  tray.calls.clear();
  station.picIcon_MouseMove(512);
  station.picIcon_MouseMove(514);
  EXPECT_TRUE(tray.calls.empty()) << "still backing off";
  station.picIcon_MouseMove(513);
  EXPECT_EQ(iconWindow.canvas, Face(0));
  station.picIcon_MouseMove(516);
  EXPECT_EQ(host.menus, std::vector<bool>{true});

  tray.calls.clear();
  Ticks(900);
  EXPECT_TRUE(tray.calls.empty()) << "0 % counted afresh";
  Ticks(2);  // backing off again: the blink goes on with the plain face, then the other
  ASSERT_EQ(iconWindow.canvas, Face(0, true));
  station.picPercent_MouseUp();
  EXPECT_EQ(iconWindow.canvas, Face(0));

  iconWindow.dragBy = 30;
  station.picPercent_MouseDown(kLeftButton);
  EXPECT_EQ(iconWindow.drags, 1);
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
