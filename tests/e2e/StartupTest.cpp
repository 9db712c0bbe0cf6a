// Starting, refusing a second start, cleaning up the priority state and ending.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include <tlhelp32.h>

#include "resources/preference_ids.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/PreferenceProgram.h"
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

// Whether `process` has loaded winmm.dll, and only the system folder's.
bool SystemWinmmIn(const Process& process) {
  wchar_t system[MAX_PATH] = {};
  const std::wstring winmm = std::wstring(system, ::GetSystemDirectoryW(system, MAX_PATH)) + L"\\winmm.dll";
  OwnedFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process.Id()));
  MODULEENTRY32W m{};
  m.dwSize = sizeof(m);
  int found = 0;
  for (BOOL more = snapshot && ::Module32FirstW(snapshot.Get(), &m); more; more = ::Module32NextW(snapshot.Get(), &m)) {
    if (::lstrcmpiW(m.szModule, L"winmm.dll") == 0) found += ::lstrcmpiW(m.szExePath, winmm.c_str()) == 0 ? 1 : -99;
  }
  return found > 0;
}

// A winmm.dll left beside both programs, with the loader told to look in their folder first (as
// Windows does for every DLL it does not count among its known ones): it is never loaded, so
// its code never runs, and the sounds are the system's.
TEST(Startup, ADllLeftBesideTheProgramsNeverRuns) {
  VantorProgram vantor;
  ::CopyFileW((BinFolder() + L"\\Preference.exe").c_str(), vantor.File(L"Preference.exe").c_str(), FALSE);
  ::CopyFileW((BinFolder() + L"\\planted\\winmm.dll").c_str(), vantor.File(L"winmm.dll").c_str(), FALSE);
  WriteBytes(vantor.File(L"Vantor.ini"), Ansi(L"[sound]\r\nfilename1=" + vantor.Exe() + L"\r\nprogress=1\r\n"));
  AgentDriver agent(0);
  ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mscoree,mshtml=;winmm=n,b");
  Process station = vantor.Start();
  Process pref = Process::Start(vantor.File(L"Preference.exe"));
  ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", L"mscoree,mshtml=");
  agent.SetWidth(113);  // a change: sound 1
  EXPECT_TRUE(WaitUntil([&] { return SystemWinmmIn(station); }, 5000));
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (main = PreferenceProgram::MainWindow(pref)) != nullptr; }));
  Click(main, IDC_cmdSound1Test);
  EXPECT_TRUE(WaitUntil([&] { return SystemWinmmIn(pref); }, 5000));
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(pref.Wait(10000));
  EXPECT_TRUE(vantor.Exit(station));
}

}  // namespace
}  // namespace vantor::test
