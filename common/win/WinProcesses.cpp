#include "common/win/WinProcesses.h"

#include "common/win/Windows.h"

#include <psapi.h>
#include <tlhelp32.h>

namespace {
// psapi may name the id listing as a macro (K32EnumProcesses), which would also rename the
// port's method of the same name: call it once here, then drop the macro.
BOOL ListProcessIdsOfSystem(DWORD* ids, DWORD bytes, DWORD* written) { return ::EnumProcesses(ids, bytes, written); }
}  // namespace
#undef EnumProcesses

#include <cwchar>
#include <iterator>

#include "common/win/Handle.h"

namespace vantor {
namespace {

// Text of a fixed buffer up to its first NUL, never beyond `length` characters.
std::wstring TextOf(const wchar_t* buffer, std::size_t length) { return {buffer, ::wcsnlen(buffer, length)}; }

}  // namespace

bool WinProcesses::EnumProcesses(std::vector<std::uint32_t>& ids, std::uint32_t bytes, std::uint32_t& needed) {
  static_assert(sizeof(DWORD) == sizeof(std::uint32_t));
  if (ids.size() < bytes / sizeof(DWORD)) ids.resize(bytes / sizeof(DWORD));
  DWORD written = 0;
  const bool ok = ListProcessIdsOfSystem(reinterpret_cast<DWORD*>(ids.data()), bytes, &written) != 0;
  needed = ok ? written : 0;
  return ok;
}

std::optional<std::wstring> WinProcesses::ModuleBaseName(std::uint32_t processId) {
  OwnedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId));
  if (!process) return std::nullopt;
  wchar_t name[516] = {};
  const DWORD length = ::GetModuleBaseNameW(process.Get(), nullptr, name, static_cast<DWORD>(std::size(name)));
  if (length == 0) return std::nullopt;
  return TextOf(name, length);
}

SnapshotResult WinProcesses::Snapshot(std::vector<SnapshotEntry>& entries) {
  entries.clear();
  OwnedFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return SnapshotResult::kSnapshotFailed;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  if (!::Process32FirstW(snapshot.Get(), &entry)) return SnapshotResult::kFirstEntryFailed;
  do {
    entries.push_back({entry.th32ProcessID, TextOf(entry.szExeFile, std::size(entry.szExeFile))});
  } while (::Process32NextW(snapshot.Get(), &entry));
  return SnapshotResult::kOk;
}

}  // namespace vantor
