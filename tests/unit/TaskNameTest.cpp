#include "common/core/TaskName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace vantor {
namespace {

// Processes listed in a fixed order, ids 4, 8, 12, ...; both methods see the same names.
class FakeProcesses : public ProcessPort {
 public:
  explicit FakeProcesses(std::vector<std::optional<std::wstring>> list = {}) : names(std::move(list)) {}

  bool EnumProcesses(std::vector<std::uint32_t>& ids, std::uint32_t bytes, std::uint32_t& needed) override {
    calls.push_back(bytes);
    if (calls.size() == failAtCall) return false;
    const std::size_t count = std::min<std::size_t>(names.size(), bytes / 4);
    for (std::size_t i = 0; i < count; ++i) ids.at(i) = static_cast<std::uint32_t>(4 * (i + 1));
    needed = overReport ? bytes + 4 : static_cast<std::uint32_t>(count * 4);
    return true;
  }
  std::optional<std::wstring> ModuleBaseName(std::uint32_t id) override {
    opened.push_back(id);
    return names.at(id / 4 - 1);
  }
  SnapshotResult Snapshot(std::vector<SnapshotEntry>& entries) override {
    for (std::size_t i = 0; i < names.size(); ++i) {
      entries.push_back({static_cast<std::uint32_t>(4 * i + 4), names[i].value_or(L"")});
    }
    return snapshot;
  }

  std::vector<std::optional<std::wstring>> names;
  std::vector<std::uint32_t> calls, opened;
  std::size_t failAtCall = 0;
  bool overReport = false;
  SnapshotResult snapshot = SnapshotResult::kOk;
};

struct Messages {
  std::vector<std::wstring> shown;
  MessageSink Sink() { return [this](const std::wstring& m) { shown.push_back(m); }; }
};

TEST(TaskNameOf, MapsTheThreeExecutablesInAnyCaseAndNothingElse) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"ud_ligfit_release.exe", L"LigandFit"}, {L"UD_LIGFIT_RELEASE.EXE", L"LigandFit"},
      {L"Bolero.Exe", L"BOLERO"}, {L"fdtd.exe", L"OPAL"}, {L"", L"No task"}, {L"ud_ligfit.exe", L"No task"},
      {L"fdtd.exe ", L"No task"}, {L"C:\\ud\\fdtd.exe", L"No task"}, {L"ｆｄｔｄ.exe", L"No task"}};
  for (auto [exe, task] : cases) EXPECT_EQ(TaskNameOf(exe), task) << exe;
  EXPECT_EQ(UpperAscii(L"ab_Zé日本ßÿ9"), L"AB_Zé日本ßÿ9");
}

TEST(TaskNameSearch, FindsTheTaskAndTheCandidateWithEachMethodsCaseRule) {
  struct Case { std::vector<std::optional<std::wstring>> names; const wchar_t* nt; const wchar_t* snapshot; };
  const Case cases[] = {
      {{L"System", L"ud_ligfit_release.exe"}, L"ud_ligfit_release.exe", L"ud_ligfit_release.exe"},
      {{L"UD_LIGFIT_RELEASE.EXE"}, L"", L"UD_LIGFIT_RELEASE.EXE"},
      {{L"BOLERO.EXE", L"fdtd.exe"}, L"fdtd.exe", L"BOLERO.EXE"},
      {{L"bolero_setup.exe", L"BOLERO.EXE", L"bolero.exe"}, L"bolero_setup.exe", L"bolero_setup.exe"},
      {{L"ud_mon.exe", L"UD_MON.EXE", L"ud_a.exe", L"ud_abcd.exe"}, L"", L""},
      {{L"ud_abcde.exe"}, L"ud_abcde.exe", L"ud_abcde.exe"},  // 12 characters is enough
      {{L"ud_first1.exe", std::nullopt, L"ud_second.exe", L"ud_mon.exe"}, L"ud_second.exe", L"ud_second.exe"},
      {{L"UD_ABCDEFGH.EXE", L"my_ud_mon.exe"}, L"my_ud_mon.exe", L"my_ud_mon.exe"},
      {{L"ud_abcdefgh.exe", std::nullopt, L"fdtd.exe", L"ud_later_one.exe"}, L"fdtd.exe", L"fdtd.exe"},
      {{}, L"", L""}};
  for (const Case& c : cases) {
    FakeProcesses nt{c.names}, snapshot{c.names};
    Messages messages;
    EXPECT_EQ(GetTHINK_NT(nt), c.nt) << c.names.size();
    EXPECT_EQ(GetTHINK_9x(snapshot, messages.Sink()), c.snapshot) << c.names.size();
    EXPECT_TRUE(messages.shown.empty());
  }
}

TEST(TaskNameSearch, NtWalkStopsAtTheFirstMatchAndNamesUnopenedProcessesUnknown) {
  FakeProcesses p{{std::nullopt, L"bolero.exe", L"fdtd.exe"}};
  EXPECT_EQ(GetTHINK_NT(p), L"bolero.exe");
  EXPECT_EQ(p.opened, (std::vector<std::uint32_t>{4, 8}));
  EXPECT_EQ(ProcessName(p, 4), L"Unknown");
}

TEST(TaskNameProcessList, DoublesFromEightBytesUntilTheListLeavesRoom) {
  FakeProcesses four{std::vector<std::optional<std::wstring>>(4, L"a")};
  EXPECT_EQ(ListProcessIds(four), (std::vector<std::uint32_t>{4, 8, 12, 16}));
  EXPECT_EQ(four.calls, (std::vector<std::uint32_t>{8, 16, 32}));  // 16 bytes filled exactly: once more
  FakeProcesses none;
  EXPECT_TRUE(ListProcessIds(none).empty());
  EXPECT_EQ(none.calls, std::vector<std::uint32_t>{8});
}

TEST(TaskNameProcessList, StopsAtTheCapOrAtAFailedListing) {
  FakeProcesses full{std::vector<std::optional<std::wstring>>(3, L"a")};
  full.overReport = true;  // always claims more than the buffer
  EXPECT_EQ(ListProcessIds(full).size(), kMaxProcessListBytes / 4);
  ASSERT_EQ(full.calls.size(), 20u);  // 8 bytes to 4 MiB
  EXPECT_EQ(full.calls.back(), kMaxProcessListBytes);
  FakeProcesses failing{std::vector<std::optional<std::wstring>>(10, L"fdtd.exe")};
  failing.failAtCall = 3;
  EXPECT_EQ(GetTHINK_NT(failing), L"");
  EXPECT_EQ(failing.calls, (std::vector<std::uint32_t>{8, 16, 32}));
}

TEST(TaskNameSearch, SnapshotTakesBareNamesFromPaths) {
  FakeProcesses p{{L"C:\\fdtd\\notepad.exe", L"C:\\UD\\ud_a.exe", L"C:/UD/ud_abcdefgh.exe",
                   L"C:\\PROGRA~1\\UD\\UD_LIGFIT_RELEASE.EXE"}};
  EXPECT_EQ(GetTHINK_9x(p, {}), L"UD_LIGFIT_RELEASE.EXE");
  p.names.pop_back();
  EXPECT_EQ(GetTHINK_9x(p, {}), L"ud_abcdefgh.exe");
}

TEST(TaskNameByKind, ChoosesTheMethodByKindAndReportsSnapshotFailures) {
  struct Case { std::int16_t kind; SnapshotResult snapshot; const wchar_t* task; const wchar_t* message; };
  const Case cases[] = {{1, SnapshotResult::kSnapshotFailed, L"OPAL", nullptr},
                        {2, SnapshotResult::kOk, L"OPAL", nullptr},
                        {3, SnapshotResult::kOk, L"BOLERO", nullptr},
                        {3, SnapshotResult::kSnapshotFailed, L"No task", L"スナップショット取得失敗"},
                        {3, SnapshotResult::kFirstEntryFailed, L"No task", L"プロセスエントリの取得は失敗しました。"},
                        {0, SnapshotResult::kSnapshotFailed, L"No task", nullptr},
                        {4, SnapshotResult::kOk, L"No task", nullptr},
                        {-1, SnapshotResult::kOk, L"No task", nullptr}};
  for (const Case& c : cases) {
    FakeProcesses p{{L"BOLERO.EXE", L"fdtd.exe"}};
    p.snapshot = c.snapshot;
    Messages messages;
    EXPECT_EQ(GetTaskName(p, c.kind, messages.Sink()), c.task) << c.kind;
    EXPECT_EQ(messages.shown, c.message ? std::vector<std::wstring>{c.message} : std::vector<std::wstring>{});
    EXPECT_EQ(p.calls.empty(), c.kind < 1 || c.kind > 2) << c.kind;
  }
}

}  // namespace
}  // namespace vantor
