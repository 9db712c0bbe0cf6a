#include "common/core/TaskName.h"

#include <vector>

#include "common/core/OsKind.h"

namespace vantor {
namespace {

constexpr const wchar_t* kTaskPatterns[] = {L"ud_ligfit", L"bolero", L"fdtd"};
constexpr wchar_t kAgentPrefix[] = L"ud_";
constexpr wchar_t kAgentMonitor[] = L"ud_mon.exe";
constexpr std::size_t kMinCandidateLength = 12;

// One pass over process names: stops at the first science process, else remembers the last
// fallback candidate. With `ignoreCase` names and patterns are compared in upper case.
class TaskSearch {
 public:
  explicit TaskSearch(bool ignoreCase) : ignoreCase_(ignoreCase) {}

  // True when `name` is the science process, which ends the search.
  bool Visit(const std::wstring& name) {
    const std::wstring key = Fold(name);
    for (const wchar_t* pattern : kTaskPatterns) {
      if (key.find(Fold(pattern)) != std::wstring::npos) {
        found_ = name;
        return true;
      }
    }
    if (key.find(Fold(kAgentPrefix)) != std::wstring::npos && key != Fold(kAgentMonitor) &&
        name.size() >= kMinCandidateLength) {
      found_ = name;
    }
    return false;
  }

  const std::wstring& Result() const { return found_; }

 private:
  std::wstring Fold(const std::wstring& text) const { return ignoreCase_ ? UpperAscii(text) : text; }

  bool ignoreCase_;
  std::wstring found_;
};

}  // namespace

std::wstring GetTHINK_NT(ProcessPort& processes) {
  TaskSearch search{false};
  for (std::uint32_t id : ListProcessIds(processes)) {
    if (search.Visit(ProcessName(processes, id))) break;
  }
  return search.Result();
}

std::wstring GetTHINK_9x(ProcessPort& processes, const MessageSink& showMessage) {
  std::vector<SnapshotEntry> entries;
  if (!TakeSnapshot(processes, showMessage, entries)) return L"";
  TaskSearch search{true};
  for (const SnapshotEntry& entry : entries) {
    if (search.Visit(BareFileName(entry.executable))) break;
  }
  return search.Result();
}

std::wstring GetTHINK(ProcessPort& processes, std::int16_t osKind, const MessageSink& showMessage) {
  switch (osKind) {
    case kOsNtBefore5:
    case kOsNt5OrLater:
      return GetTHINK_NT(processes);
    case kOsOther:
      return GetTHINK_9x(processes, showMessage);
    default:
      return L"";
  }
}

std::wstring TaskNameOf(const std::wstring& executable) {
  struct Row {
    const wchar_t* executable;
    const wchar_t* task;
  };
  static constexpr Row kTasks[] = {
      {L"UD_LIGFIT_RELEASE.EXE", L"LigandFit"},
      {L"BOLERO.EXE", L"BOLERO"},
      {L"FDTD.EXE", L"OPAL"},
  };
  const std::wstring upper = UpperAscii(executable);
  for (const Row& row : kTasks) {
    if (upper == row.executable) return row.task;
  }
  return L"No task";
}

std::wstring GetTaskName(ProcessPort& processes, std::int16_t osKind, const MessageSink& showMessage) {
  return TaskNameOf(GetTHINK(processes, osKind, showMessage));
}

}  // namespace vantor
