// Where the icon shows: the tray and the icon window, the window's place, and the window state
// kept in Vantor.ini.
#include "station/core/IconWindowPlace.h"

#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

using IconPlacesTest = StationTest;

TEST_F(IconPlacesTest, WindowStateRoundsTiesToEvenAndIsSavedAtExit) {
  SetIni(L"window", L"top", L"123.5");
  SetIni(L"window", L"left", L"122.5");
  SetIni(L"visible", L"window", L"1");
  SetIni(L"visible", L"tasktray", L"0");
  SetIni(L"menu", L"deleteUDAicon", L"1");
  station.Form_Load();
  EXPECT_EQ(iconWindow.top, 124);
  EXPECT_EQ(iconWindow.left, 122);
  EXPECT_TRUE(iconWindow.visible);
  EXPECT_TRUE(station.Menu().ShowWindow);
  EXPECT_FALSE(station.Menu().ShowIcon);
  EXPECT_TRUE(tray.Calls(NotifyMode::Add).empty());
  EXPECT_TRUE(station.Menu().UDAHideAlways);
  iconWindow.dragBy = 300 - 122;
  station.picPercent_MouseDown(kLeftButton);
  station.ExitVantor();
  EXPECT_TRUE(host.quit);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"300");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"top"), L"124");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"window"), L"1");
}

TEST_F(IconPlacesTest, AFailedStartUpDoesNotOverwriteTheStoredWindowState) {
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

TEST_F(IconPlacesTest, ABadWindowPositionIsAStartUpError) {
  SetIni(L"icon", L"balloon", L"1");
  SetIni(L"window", L"top", L"top of screen");
  SetIni(L"visible", L"tasktray", L"0");
  station.Form_Load();
  EXPECT_EQ(host.errors.size(), 1u);
  EXPECT_FALSE(Balloons()) << "start-up did not end";
  EXPECT_TRUE(station.Menu().ShowIcon && tray.Calls(NotifyMode::Add).size() == 1u) << "the defaults show the tray";
}

TEST_F(IconPlacesTest, BothPlacesHiddenStillShowsTheTrayIcon) {
  SetIni(L"visible", L"window", L"0");
  SetIni(L"visible", L"tasktray", L"0");
  station.Form_Load();
  EXPECT_EQ(tray.Calls(NotifyMode::Add).size(), 1u);
  EXPECT_TRUE(station.Menu().ShowIcon);
  EXPECT_FALSE(station.Menu().ShowWindowEnabled);
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"visible", L"tasktray"), L"0") << "the stored choice stays";
  EXPECT_EQ(tray.Calls(NotifyMode::Add)[0].tip, L"Vantor \r\nNo task \r\n0%");
}

TEST_F(IconPlacesTest, TogglesNeverLeaveNothingVisible) {
  station.Form_Load();
  ASSERT_TRUE(station.Menu().ShowIcon);
  ASSERT_FALSE(station.Menu().ShowWindow);
  station.ShowIconTaskTray();  // hide the tray icon: the window comes instead
  EXPECT_FALSE(station.Menu().ShowIcon);
  EXPECT_TRUE(station.Menu().ShowWindow);
  EXPECT_TRUE(iconWindow.visible);
  EXPECT_EQ(tray.Calls(NotifyMode::Delete).size(), 1u);
  station.ShowIconWindow();  // hide the window: the tray icon comes back
  EXPECT_TRUE(station.Menu().ShowIcon);
  EXPECT_FALSE(station.Menu().ShowWindow);
  EXPECT_FALSE(iconWindow.visible);
  station.ShowIconWindow();  // both
  EXPECT_TRUE(station.Menu().ShowIcon && station.Menu().ShowWindow);
  station.ShowIconTaskTray();  // only the window
  EXPECT_FALSE(station.Menu().ShowIcon);
  EXPECT_TRUE(iconWindow.visible);
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

TEST_F(IconPlacesTest, TheIconWindowIsPlacedAtStartUpOnDisplayChangeAndWhenShownAndTheStoredPlaceStays) {
  iconWindow.monitors = {{{0, 0, 1024, 768}, {0, 0, 1024, 768}}};
  SetIni(L"window", L"top", L"3000");
  SetIni(L"window", L"left", L"4000");
  station.Form_Load();
  EXPECT_EQ(WindowPlace(iconWindow.left, iconWindow.top), WindowPlace(1008, 752));
  iconWindow.monitors = {{{0, 0, 640, 480}, {0, 0, 640, 480}}};
  station.OnDisplayChange();
  EXPECT_EQ(WindowPlace(iconWindow.left, iconWindow.top), WindowPlace(624, 464));
  iconWindow.monitors = {{{0, 0, 800, 600}, {0, 0, 800, 600}}};
  station.ShowIconTaskTray();  // hiding the tray shows the window
  EXPECT_EQ(WindowPlace(iconWindow.left, iconWindow.top), WindowPlace(784, 584));
  station.picPercent_MouseDown(kLeftButton);  // a click, no move
  station.ExitVantor();
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"4000");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"top"), L"3000");
}

// At 150 % the screen has 144 pixels per inch; the stored place stays in pixels of 1/96 inch.
TEST_F(IconPlacesTest, TheStoredPlaceIsInPixelsOfA96thInchAtEveryScaling) {
  iconWindow.dpi = 144;
  iconWindow.monitors = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}}};
  SetIni(L"window", L"top", L"150");
  SetIni(L"window", L"left", L"301");
  station.Form_Load();
  EXPECT_EQ(WindowPlace(iconWindow.left, iconWindow.top), WindowPlace(452, 225));  // 451.5 rounds up
  iconWindow.dragBy = -2;
  station.picPercent_MouseDown(kLeftButton);  // a drag to 450
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"left"), L"300");
  EXPECT_EQ(profile.Read(Path(kVantorIni), L"window", L"top"), L"150");
  EXPECT_EQ(ScreenFromStored({2147483647, -2147483647 - 1}, 144), WindowPlace(2147483647, -2147483647 - 1));
  EXPECT_EQ(StoredFromScreen({-451, 0}, 144), WindowPlace(-301, 0));
}

}  // namespace
}  // namespace vantor
