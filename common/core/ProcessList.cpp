#include "common/core/ProcessList.h"

#include <algorithm>

namespace vantor {

std::vector<std::uint32_t> ListProcessIds(ProcessPort& processes) {
  constexpr std::uint32_t kIdBytes = sizeof(std::uint32_t);
  std::vector<std::uint32_t> ids;
  std::uint32_t size = kIdBytes;
  std::uint32_t needed = 0;
  do {
    size *= 2;
    ids.assign(size / kIdBytes, 0);
    needed = 0;
    if (!processes.EnumProcesses(ids, size, needed)) return {};
  } while (size <= needed && size < kMaxProcessListBytes);
  // A port may report more than the buffer holds: only what fits was written.
  ids.resize(std::min(needed, size) / kIdBytes);
  return ids;
}

std::wstring ProcessName(ProcessPort& processes, std::uint32_t processId) {
  return processes.ModuleBaseName(processId).value_or(kUnknownProcess);
}

bool TakeSnapshot(ProcessPort& processes, const MessageSink& showMessage, std::vector<SnapshotEntry>& entries) {
  entries.clear();
  const SnapshotResult result = processes.Snapshot(entries);
  if (result == SnapshotResult::kOk) return true;
  entries.clear();
  if (showMessage) showMessage(result == SnapshotResult::kSnapshotFailed ? kSnapshotFailedText : kFirstEntryFailedText);
  return false;
}

std::wstring BareFileName(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

std::wstring UpperAscii(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return text;
}

}  // namespace vantor
