// Priority fixing as a user sees it: the agent's science process pinned while priority.ini exists.
#include <gtest/gtest.h>

#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

DWORD ClassOf(DWORD processId) {
  OwnedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, processId));
  return process ? ::GetPriorityClass(process.Get()) : 0;
}

void SetClass(DWORD processId, DWORD cls) {
  OwnedHandle process(::OpenProcess(PROCESS_SET_INFORMATION, FALSE, processId));
  ::SetPriorityClass(process.Get(), cls);
}

TEST(PriorityFix, TheAgentIsKeptIdleWhileTheFileExists) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"), "[priority]\r\nuda=ud_ligfit_Release.exe\r\nfrequency=1\r\n");
  AgentDriver agent(10, L"--no-second", vantor.File(L"ud_ligfit_Release.exe"));
  ASSERT_EQ(ClassOf(agent.Id()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
  Process p = vantor.StartAndSettle();

  WriteBytes(vantor.File(L"priority.ini"),
             "[priority]\r\nudachange=1\r\nudapriority=2\r\nexechange=0\r\nexepriority=2\r\n");
  const ULONGLONG start = ::GetTickCount64();
  ASSERT_TRUE(WaitUntil([&] { return ClassOf(agent.Id()) == IDLE_PRIORITY_CLASS; }, 5000));
  // One main tick switches the timer on, its first firing a second later: two seconds at most,
  // plus what a loaded machine adds to the timers.
  EXPECT_LE(::GetTickCount64() - start, 2600u) << "idle within about two seconds";

  SetClass(agent.Id(), NORMAL_PRIORITY_CLASS);  // someone resets it: forced back at the next tick
  EXPECT_TRUE(WaitUntil([&] { return ClassOf(agent.Id()) == IDLE_PRIORITY_CLASS; }, 2500));

  ::DeleteFileW(vantor.File(L"priority.ini").c_str());
  ::Sleep(1500);
  EXPECT_EQ(ClassOf(agent.Id()), static_cast<DWORD>(IDLE_PRIORITY_CLASS)) << "the class stays";
  SetClass(agent.Id(), NORMAL_PRIORITY_CLASS);
  ::Sleep(2500);
  EXPECT_EQ(ClassOf(agent.Id()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS)) << "enforcement stopped";
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);

  // Switched on again, then Vantor restarts: the file is gone after the start.
  WriteBytes(vantor.File(L"priority.ini"), "[priority]\r\nudachange=1\r\nudapriority=0\r\n");
  EXPECT_TRUE(vantor.Exit(p));
  EXPECT_TRUE(Exists(vantor.File(L"priority.ini"))) << "ending Vantor leaves the file";
  Process again = vantor.Start();
  EXPECT_TRUE(WaitUntil([&] { return !Exists(vantor.File(L"priority.ini")); }));
  EXPECT_TRUE(vantor.Exit(again));
}

TEST(PriorityFix, ABrokenFileIsReportedOnceAndTheTimerRunsOn) {
  VantorProgram vantor;
  Process p = vantor.StartAndSettle();
  WriteBytes(vantor.File(L"priority.ini"), "[priority]\r\nudachange=\r\nexechange=0\r\n");
  HWND box = vantor.WaitForMessageBox(p, 10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), L"エラーが-timPriority-で発生しました。");
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  ::Sleep(2500);
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr) << "the same fault is not shown again";
  WriteBytes(vantor.File(L"priority.ini"), "[priority]\r\nudachange=perhaps\r\nexechange=0\r\n");
  box = vantor.WaitForMessageBox(p, 10000);
  EXPECT_NE(box, nullptr) << "a new fault is";
  if (box) CloseMessageBox(box);
  EXPECT_TRUE(vantor.Exit(p));
}

}  // namespace
}  // namespace vantor::test
