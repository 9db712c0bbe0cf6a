// Priority classes of real processes, set by name both ways and read back.
#include <gtest/gtest.h>

#include "common/core/Priority.h"
#include "common/win/WinPriorities.h"
#include "common/win/WinProcesses.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

DWORD ClassOf(const test::Process& p) {
  OwnedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, p.Id()));
  return process ? ::GetPriorityClass(process.Get()) : 0;
}

TEST(Priorities, BothWaysSetEveryLevelOnTheProcessesOfTheName) {
  test::TempFolder folder{L"prio"};
  const std::wstring science = folder / L"ud_ligfit_Release.exe";
  const std::wstring other = folder / L"cruncher.exe";
  ::CopyFileW((test::BinFolder() + L"\\agent.exe").c_str(), science.c_str(), FALSE);
  ::CopyFileW((test::BinFolder() + L"\\agent.exe").c_str(), other.c_str(), FALSE);
  test::Process a = test::Process::Start(science, L"--no-second");
  test::Process b = test::Process::Start(other, L"--no-second");
  ASSERT_TRUE(test::WaitUntil([&] { return test::FindProcessWindow(a.Id(), nullptr) != nullptr; }));
  ASSERT_TRUE(test::WaitUntil([&] { return test::FindProcessWindow(b.Id(), nullptr) != nullptr; }));

  WinProcesses processes;
  WinPriorities priorities;
  const MessageSink none;
  const std::pair<std::int16_t, DWORD> levels[] = {{2, IDLE_PRIORITY_CLASS}, {1, NORMAL_PRIORITY_CLASS},
                                                   {0, HIGH_PRIORITY_CLASS}};
  for (auto [level, cls] : levels) {
    EXPECT_TRUE(SetPriorityByName_NT(processes, priorities, L"UD_LIGFIT_RELEASE.EXE", level));
    EXPECT_EQ(ClassOf(a), cls) << "NT way, level " << level;
    EXPECT_EQ(ClassOf(b), static_cast<DWORD>(NORMAL_PRIORITY_CLASS)) << "the other process is untouched";
  }
  for (auto [level, cls] : levels) {
    EXPECT_TRUE(SetPriorityByName_9x(processes, priorities, L"cruncher.exe", level, none));
    EXPECT_EQ(ClassOf(b), cls) << "snapshot way, level " << level;
  }
  // Level 5 leaves the class alone; a name nobody has matches nothing.
  EXPECT_TRUE(SetPriorityByName_NT(processes, priorities, L"cruncher.exe", 5));
  EXPECT_EQ(ClassOf(b), static_cast<DWORD>(HIGH_PRIORITY_CLASS));
  EXPECT_FALSE(SetPriorityByName_NT(processes, priorities, L"nobody.exe", 2));
  EXPECT_FALSE(priorities.SetPriorityOfId(0xFFFFFFF0u, IDLE_PRIORITY_CLASS, PriorityAccess::SetInformation));
}

}  // namespace
}  // namespace vantor
