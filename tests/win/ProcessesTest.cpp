// Task identification over the real process list, with copies of the test agent as the
// science processes (the system's own processes are listed too).
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "common/core/OsKind.h"
#include "common/core/TaskName.h"
#include "common/win/WinProcesses.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

class ProcessesTest : public ::testing::Test {
 protected:
  // Starts copies of the agent under `names` and waits until each has its window up.
  void Run(std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* name : names) {
      ASSERT_TRUE(::CopyFileW((test::BinFolder() + L"\\agent.exe").c_str(), (folder / name).c_str(), FALSE));
      running.push_back(test::Process::Start(folder / name, L"--no-second"));
      const DWORD id = running.back().Id();
      ASSERT_TRUE(test::WaitUntil([id] { return test::FindProcessWindow(id, nullptr) != nullptr; })) << name;
    }
  }
  // The search result and task name of both methods.
  void Expect(const wchar_t* executable, const wchar_t* task) {
    std::vector<std::wstring> messages;
    const MessageSink sink = [&](const std::wstring& m) { messages.push_back(m); };
    for (std::int16_t kind : {kOsNt5OrLater, kOsOther}) {
      EXPECT_EQ(GetTHINK(processes, kind, sink), executable) << kind;
      EXPECT_EQ(GetTaskName(processes, kind, sink), task) << kind;
    }
    EXPECT_TRUE(messages.empty());
  }

  test::TempFolder folder{L"processes"};
  WinProcesses processes;
  std::vector<test::Process> running;  // ended when the test ends
};

TEST_F(ProcessesTest, ListsAndNamesRunningProcesses) {
  Run({L"fdtd.exe"});
  const std::vector<std::uint32_t> ids = ListProcessIds(processes);
  EXPECT_GT(ids.size(), 2u);
  for (DWORD id : {running[0].Id(), ::GetCurrentProcessId()}) {
    EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << id;
  }
  EXPECT_EQ(ProcessName(processes, running[0].Id()), L"fdtd.exe");
  EXPECT_EQ(ProcessName(processes, 0xFFFFFFF0u), L"Unknown");
  std::vector<SnapshotEntry> entries;
  ASSERT_EQ(processes.Snapshot(entries), SnapshotResult::kOk);
  const auto agent = std::find_if(entries.begin(), entries.end(),
                                  [&](const SnapshotEntry& e) { return e.processId == running[0].Id(); });
  ASSERT_NE(agent, entries.end());
  EXPECT_EQ(BareFileName(agent->executable), L"fdtd.exe");
}

TEST_F(ProcessesTest, NoAgentGivesNoTask) { Expect(L"", L"No task"); }

TEST_F(ProcessesTest, OpalAlone) {
  Run({L"fdtd.exe"});
  Expect(L"fdtd.exe", L"OPAL");
}

TEST_F(ProcessesTest, LigandFitBesideTheMonitorAndACandidate) {
  Run({L"ud_mon.exe", L"ud_abcdefgh.exe", L"ud_ligfit_Release.exe"});
  Expect(L"ud_ligfit_Release.exe", L"LigandFit");
}

TEST_F(ProcessesTest, CandidateWithoutATaskProcess) {
  Run({L"ud_abcdefgh.exe", L"ud_mon.exe"});
  Expect(L"ud_abcdefgh.exe", L"No task");
}

}  // namespace
}  // namespace vantor
