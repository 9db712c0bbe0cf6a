// Starting, refusing a second start, cleaning up the priority state and ending.
#include <gtest/gtest.h>

#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

TEST(Startup, ASecondStartShowsItsMessageAndLeavesTheFirstRunning) {
  VantorProgram vantor;
  Process first = vantor.Start();
  ASSERT_TRUE(first.Running());
  HWND station = vantor.StationWindow(first);

  Process second = Process::Start(vantor.Exe());
  HWND box = vantor.WaitForMessageBox(second);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), L"Vantor");
  EXPECT_EQ(MessageText(box), L"Vantorは既に起動しています。");
  EXPECT_EQ(vantor.StationWindow(second), nullptr) << "the second copy makes no station window";
  CloseMessageBox(box);
  EXPECT_TRUE(second.Wait(10000));
  EXPECT_EQ(second.ExitCode(), 0u);

  EXPECT_TRUE(first.Running());
  EXPECT_EQ(vantor.StationWindow(first), station);
  EXPECT_FALSE(Exists(vantor.File(L"Vantor.ini"))) << "the refused start touches no file";
  EXPECT_TRUE(vantor.Exit(first));
}

TEST(Startup, CopiesInTwoFoldersRunSideBySide) {
  VantorProgram a, b;
  Process first = a.Start();
  Process second = b.Start();
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(second.Running());
  EXPECT_EQ(b.WaitForMessageBox(second, 1500), nullptr);
  EXPECT_TRUE(a.Exit(first));
  EXPECT_TRUE(b.Exit(second));
}

TEST(Startup, ALeftOverPriorityFileIsRemovedAndTheOthersStay) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"), "[save]\r\nbakkin=12\r\n");
  WriteBytes(vantor.File(L"links.lst"), "Home,http://example.com/\r\n");
  WriteBytes(vantor.File(L"priority.ini"), "[priority]\r\nudachange=1\r\n");
  Process p = vantor.Start();
  EXPECT_TRUE(WaitUntil([&] { return !Exists(vantor.File(L"priority.ini")); }));
  EXPECT_EQ(ReadBytes(vantor.File(L"links.lst")), "Home,http://example.com/\r\n");
  EXPECT_TRUE(Exists(vantor.File(L"Vantor.ini")));
  EXPECT_EQ(vantor.WaitForMessageBox(p, 1500), nullptr) << "no error at start-up";
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Startup, ExitSavesTheWindowStateAndKeepsEverythingElse) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[color]\r\ngraph=255\r\n[window]\r\ntop=40\r\nleft=50\r\n[visible]\r\nwindow=1\r\n");
  Process p = vantor.Start();
  HWND station = vantor.StationWindow(p);
  RECT rect{};
  // Start-up shows the window for a moment when it makes it topmost; wait for its final place.
  EXPECT_TRUE(WaitUntil([&] {
    ::GetWindowRect(station, &rect);
    return ::IsWindowVisible(station) && rect.left == 50 && rect.top == 40;
  })) << rect.left << "," << rect.top;
  EXPECT_EQ(rect.right - rect.left, 16);
  EXPECT_EQ(rect.bottom - rect.top, 16);
  ASSERT_TRUE(vantor.Exit(p));
  const std::string ini = ReadBytes(vantor.File(L"Vantor.ini"));
  EXPECT_NE(ini.find("graph=255"), std::string::npos) << ini;
  EXPECT_NE(ini.find("top=40\r\nleft=50\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("window=1\r\ntasktray=1\r\n"), std::string::npos) << ini;
}

TEST(Startup, AWindowStoredOffTheScreenIsShownOnItAndItsStoredPlaceStays) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[window]\r\ntop=3000\r\nleft=4000\r\n[visible]\r\nwindow=1\r\ntasktray=0\r\n");
  Process p = vantor.Start();
  HWND station = vantor.StationWindow(p);
  RECT work{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT rect{};
  const auto inTheCorner = [&] {
    ::GetWindowRect(station, &rect);
    return ::IsWindowVisible(station) && rect.right == work.right && rect.bottom == work.bottom;
  };
  EXPECT_TRUE(WaitUntil(inTheCorner)) << rect.left << "," << rect.top;
  // The screen changes under the window: it comes back.
  ::SetWindowPos(station, nullptr, 5000, -900, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SendMessageW(station, WM_DISPLAYCHANGE, 24, MAKELPARAM(work.right, work.bottom));
  EXPECT_TRUE(inTheCorner()) << rect.left << "," << rect.top;
  ASSERT_TRUE(vantor.Exit(p));
  const std::string ini = ReadBytes(vantor.File(L"Vantor.ini"));
  EXPECT_NE(ini.find("top=3000\r\nleft=4000\r\n"), std::string::npos) << ini;
}

}  // namespace
}  // namespace vantor::test
