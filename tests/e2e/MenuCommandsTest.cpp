// The pop-up menu's commands, chosen as the menu chooses them, and what a user then sees.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include "station/win/PopupMenu.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

std::string IniValue(const VantorProgram& vantor, const wchar_t* section, const wchar_t* key) {
  wchar_t value[64] = {};
  ::GetPrivateProfileStringW(section, key, L"", value, 64, vantor.File(L"Vantor.ini").c_str());
  return Ansi(value);
}

TEST(MenuCommands, KeepHidingTheAgentsTrayIcon) {
  VantorProgram vantor;
  AgentDriver agent(10, L"--tray");
  ASSERT_TRUE(WaitUntil([&] { return agent.HasTrayIcon(); }));
  Process p = vantor.StartAndSettle();
  ::Sleep(1200);  // a tick has found the agent

  vantor.Command(p, kCmdUDAHideAlways);
  EXPECT_TRUE(WaitUntil([&] { return !agent.HasTrayIcon(); }, 2000)) << "removed at once";
  EXPECT_TRUE(WaitUntil([&] { return IniValue(vantor, L"menu", L"deleteUDAicon") == "1"; }, 2000));
  ASSERT_TRUE(agent.AddTrayIcon());
  ASSERT_TRUE(agent.HasTrayIcon());
  EXPECT_TRUE(WaitUntil([&] { return !agent.HasTrayIcon(); }, 6000)) << "removed again within five seconds";

  vantor.Command(p, kCmdUDAHideAlways);
  EXPECT_TRUE(WaitUntil([&] { return agent.HasTrayIcon(); }, 2000)) << "the agent's slot is back";
  EXPECT_TRUE(WaitUntil([&] { return IniValue(vantor, L"menu", L"deleteUDAicon") == "0"; }, 2000));
  ::Sleep(5500);
  EXPECT_TRUE(agent.HasTrayIcon()) << "and stays";
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(MenuCommands, ShowingTheAgentRestoresItsWindow) {
  VantorProgram vantor;
  AgentDriver agent(10, L"--show-second");
  struct Search {
    DWORD pid;
    HWND second;
  } search{agent.Id(), nullptr};
  // The agent makes its second window, and then its button, just after its form.
  ASSERT_TRUE(WaitUntil([&] {
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
          auto* s = reinterpret_cast<Search*>(param);
          DWORD pid = 0;
          ::GetWindowThreadProcessId(hwnd, &pid);
          if (pid == s->pid && ::GetDlgItem(hwnd, 2)) s->second = hwnd;
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.second != nullptr;
  }));
  ASSERT_TRUE(::IsWindowVisible(search.second));
  ::SetWindowPos(agent.Form(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  ::ShowWindow(agent.Form(), SW_MINIMIZE);
  Process p = vantor.StartAndSettle();
  ::Sleep(1200);
  vantor.Command(p, kCmdShowUDA);
  RECT rect{};
  EXPECT_TRUE(WaitUntil([&] {
    ::GetWindowRect(agent.Form(), &rect);
    return !::IsIconic(agent.Form()) && rect.right - rect.left == 758 && rect.bottom - rect.top == 514;
  }, 3000)) << rect.right - rect.left << "x" << rect.bottom - rect.top;
  EXPECT_FALSE(::IsWindowVisible(search.second)) << "the second window is hidden";
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(MenuCommands, BookmarksOpenWhatTheFileNowSays) {
  VantorProgram vantor;
  for (const wchar_t* name : {L"first.exe", L"second.exe", L"third.exe"}) {
    ::CopyFileW((BinFolder() + L"\\agent.exe").c_str(), vantor.File(name).c_str(), FALSE);
  }
  WriteBytes(vantor.File(L"links.lst"), "First," + Ansi(vantor.File(L"first.exe")) + "\r\nSecond," +
                                            Ansi(vantor.File(L"second.exe")) + "\r\n");
  Process p = vantor.StartAndSettle();
  vantor.Command(p, kCmdLinkBase + 2);
  EXPECT_TRUE(WaitUntil([&] { return ProcessesNamed(L"second.exe").size() == 1; }, 5000));
  EXPECT_TRUE(ProcessesNamed(L"first.exe").empty());
  EndProcessesNamed(L"second.exe");

  // The editor saves: links.lst and Vantor.ini change; the next tick rebuilds the bookmarks.
  WriteBytes(vantor.File(L"links.lst"), "Third," + Ansi(vantor.File(L"third.exe")) + "\r\n");
  ::WritePrivateProfileStringW(L"save", L"bakkin", L"15", vantor.File(L"Vantor.ini").c_str());
  ::Sleep(1500);
  vantor.Command(p, kCmdLinkBase + 2);  // no second bookmark any more
  vantor.Command(p, kCmdLinkBase + 1);
  EXPECT_TRUE(WaitUntil([&] { return ProcessesNamed(L"third.exe").size() == 1; }, 5000));
  ::Sleep(500);
  EXPECT_TRUE(ProcessesNamed(L"second.exe").empty()) << "no stale entry";
  EndProcessesNamed(L"third.exe");
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(MenuCommands, ABookmarkThatCannotOpenShowsOneBoxAndVantorRunsOn) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"links.lst"), "Nowhere,C:\\no\\such\\page.xyz\r\n");
  Process p = vantor.StartAndSettle();
  vantor.Command(p, kCmdLinkBase + 1);
  HWND box = vantor.WaitForMessageBox(p, 10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), L"Vantor");
  EXPECT_EQ(MessageText(box), L"エラーが起きました。");
  EXPECT_EQ(CountProcessWindows(p.Id(), L"#32770"), 1);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  ::Sleep(1200);
  EXPECT_TRUE(p.Running());
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(MenuCommands, ExitEndsVantorAndSavesItsWindowState) {
  VantorProgram vantor;
  Process p = vantor.StartAndSettle();
  vantor.Command(p, kCmdMute);
  vantor.Command(p, kCmdExit);
  EXPECT_TRUE(p.Wait(5000));
  EXPECT_EQ(IniValue(vantor, L"window", L"top"), "0");
  EXPECT_EQ(IniValue(vantor, L"visible", L"window"), "0");
  EXPECT_EQ(IniValue(vantor, L"visible", L"tasktray"), "1");
}

}  // namespace
}  // namespace vantor::test
