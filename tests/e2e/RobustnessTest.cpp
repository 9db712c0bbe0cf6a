// Bad surroundings: a second copy at the same moment, a restarted shell, files that cannot be
// written or read, folders that are not there, and an agent that vanishes or hangs mid-capture.
#include <gtest/gtest.h>

#include "common/core/IconComposer.h"
#include "common/core/IcoFile.h"
#include "common/win/Windows.h"

#include <shellapi.h>

#include "station/win/PopupMenu.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

std::string Ico(const MainSettings& settings, std::int16_t percent) {
  const IcoBytes bytes = EncodeIco(ComposeIcon(settings, percent, nullptr, false));
  return std::string(bytes.begin(), bytes.end());
}

std::string DefaultIco(std::int16_t percent) { return Ico(MainSettings{}, percent); }

TEST(Robustness, TwoCopiesStartedAtTheSameMomentLeaveOneRunning) {
  VantorProgram vantor;
  Process a = Process::Start(vantor.Exe());
  Process b = Process::Start(vantor.Exe());
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    box = vantor.WaitForMessageBox(a, 0);
    if (!box) box = vantor.WaitForMessageBox(b, 0);
    return box != nullptr;
  }));
  EXPECT_TRUE(WaitUntil([&] { return MessageText(box) == L"Vantorは既に起動しています。"; }));
  CloseMessageBox(box);
  const Process& refused = vantor.WaitForMessageBox(a, 0) == box ? a : b;
  const Process& running = &refused == &a ? b : a;
  EXPECT_TRUE(refused.Wait(5000));
  EXPECT_TRUE(running.Running());
  EXPECT_NE(vantor.StationWindow(running), nullptr);
  EXPECT_TRUE(vantor.Exit(running));
}

TEST(Robustness, TheTrayIconComesBackWhenTheShellRestarts) {
  VantorProgram vantor;
  Process p = vantor.StartAndSettle();
  HWND tray = FindProcessWindow(p.Id(), L"VantorTrayIcon");
  ASSERT_NE(tray, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return TrayHolds(tray); }));
  // The shell loses its icons, then announces itself again.
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = tray;
  data.uID = 1;
  ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(TrayHolds(tray));
  ::PostMessageW(tray, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return TrayHolds(tray); }, 3000));
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Robustness, AnUnwritableIconFileIsReportedAndVantorRunsOn) {
  VantorProgram vantor;
  ::CreateDirectoryW(vantor.File(L"temp.ico").c_str(), nullptr);  // nothing can be written there
  Process p = vantor.Start();
  HWND box = vantor.WaitForMessageBox(p);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return MessageText(box) == L"エラーが-iconWrite-で発生しました。"; }));
  EXPECT_EQ(WindowText(box), L"Vantor Error");
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  ::Sleep(1500);
  EXPECT_TRUE(p.Running());
  HWND again = vantor.WaitForMessageBox(p, 0);
  EXPECT_EQ(again, nullptr) << "reported once: " << testing::PrintToString(MessageText(again));
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Robustness, VantorsOwnWritesThatFailAreReportedOnceAndVantorRunsOn) {
  VantorProgram vantor;
  ::CreateDirectoryW(vantor.File(L"Vantor.ini").c_str(), nullptr);  // nothing can be written there
  Process p = vantor.StartAndSettle();
  vantor.Command(p, kCmdShowWindow);
  HWND box = vantor.WaitForMessageBox(p);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), L"エラーが-SaveWindowState-で発生しました。");
  EXPECT_EQ(WindowText(box), L"Vantor Error");
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  vantor.Command(p, kCmdShowWindow);
  vantor.Command(p, kCmdUDAHideAlways);
  ::Sleep(1000);
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr) << "reported once";
  EXPECT_TRUE(p.Running());
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Robustness, APictureThatIsNoBitmapSwitchesThePictureOff) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"fake.bmp"), "GIF89a, not a bitmap");
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[icon]\r\npicture=" + Ansi(vantor.File(L"fake.bmp")) + "\r\nback=1\r\ngraph=1\r\n");
  Process p = vantor.Start();
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == DefaultIco(0); }, 5000));
  EXPECT_EQ(vantor.WaitForMessageBox(p, 1000), nullptr);
  EXPECT_TRUE(vantor.Exit(p));
  EXPECT_NE(ReadBytes(vantor.File(L"Vantor.ini")).find("back=1"), std::string::npos) << "the file is kept";
}

TEST(Robustness, ACaptureFolderThatIsNotThereWritesNothingAndSaysNothing) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[capture]\r\nfolder=C:\\no\\such\\folder\\\r\ncpu=1\r\ncpuschedule=50,;,\r\nminimize=0\r\n");
  AgentDriver agent(0);
  Process p = vantor.StartAndSettle();
  agent.SetWidth(113);
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == DefaultIco(50); }, 4000));
  ::Sleep(1500);
  EXPECT_TRUE(p.Running());
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_FALSE(Exists(L"C:\\no\\such\\folder"));
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Robustness, AnAgentThatVanishesDuringACaptureEndsNothing) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"), "[capture]\r\nfolder=" + Ansi(vantor.Folder().Path()) +
                                             "\\\r\nmol=1\r\nmolschedule=50,;,\r\ndelay_mol=2500\r\n");
  auto agent = std::make_unique<AgentDriver>(0);
  Process p = vantor.StartAndSettle();
  agent->SetWidth(113);
  ::Sleep(1800);  // the capture waits for the Application view now
  agent.reset();  // the agent is gone
  ::Sleep(4000);
  EXPECT_TRUE(p.Running());
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == DefaultIco(0); }, 3000));
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Robustness, AnAgentThatStopsAnsweringAtACaptureHoldsNothingUp) {
  VantorProgram vantor;
  const std::string settings = "[capture]\r\nfolder=" + Ansi(vantor.Folder().Path()) +
                               "\\\r\ncpu=1\r\ncpuschedule=50,;,\r\nminimize=0\r\n";
  WriteBytes(vantor.File(L"Vantor.ini"), settings);
  AgentDriver agent(0);
  Process p = vantor.StartAndSettle();
  agent.SetWidth(113, 60000);  // 50 percent, then the agent's window thread hangs
  ASSERT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == DefaultIco(50); }, 4000));
  ::Sleep(1100);  // the next second, so that the file's time changes
  // Saved as the settings editor saves: the settings, then the bookmarks, whose change reloads them.
  WriteBytes(vantor.File(L"Vantor.ini"), settings + "[color]\r\ngraph=255\r\n");
  WriteBytes(vantor.File(L"links.lst"), "One,http://1/\r\n");
  MainSettings red;
  red.ColorGraph = 255;
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == Ico(red, 50); }, 3000))
      << "the ticks go on";
  HWND station = vantor.StationWindow(p);
  ::PostMessageW(FindProcessWindow(p.Id(), L"VantorTrayIcon"), 512, 1, WM_RBUTTONDOWN);
  EXPECT_TRUE(WaitUntil([&] {
    HWND menu = FindProcessWindow(p.Id(), L"#32768");
    return menu && ::IsWindowVisible(menu);
  }, 3000)) << "the menu opens";
  ::PostMessageW(station, WM_CANCELMODE, 0, 0);
  const ULONGLONG start = ::GetTickCount64();
  DWORD_PTR result = 0;
  EXPECT_NE(::SendMessageTimeoutW(station, WM_COMMAND, kCmdShowUDA, 0, SMTO_NORMAL, 5000, &result), 0);
  EXPECT_LT(::GetTickCount64() - start, 1000u) << "showing the agent waits for nothing";
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(Robustness, ABookmarkFileWithABadLineIsKeptAsItIs) {
  VantorProgram vantor;
  const std::string links = "One,http://1/\r\nno comma here\r\nTwo,http://2/\r\n";
  WriteBytes(vantor.File(L"links.lst"), links);
  Process p = vantor.StartAndSettle();
  ::Sleep(1500);
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_TRUE(vantor.Exit(p));
  EXPECT_EQ(ReadBytes(vantor.File(L"links.lst")), links) << "never replaced by the default";
}

}  // namespace
}  // namespace vantor::test
