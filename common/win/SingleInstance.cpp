#include "common/win/SingleInstance.h"

#include "common/win/Windows.h"

#include <cstdint>
#include <cwchar>

namespace vantor {

std::wstring SingleInstance::MutexName(const std::wstring& program, const std::wstring& folder) {
  // Mutex names cannot hold backslashes: the folder enters as a hash of its upper-case form.
  std::wstring upper = folder;
  if (!upper.empty()) ::CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
  std::uint64_t hash = 1469598103934665603ULL;
  for (wchar_t c : upper) {
    hash ^= static_cast<std::uint16_t>(c);
    hash *= 1099511628211ULL;
  }
  wchar_t name[96];
  std::swprintf(name, 96, L"Local\\%ls-%016llx", program.c_str(), static_cast<unsigned long long>(hash));
  return name;
}

SingleInstance::SingleInstance(const std::wstring& program, const std::wstring& folder) {
  mutex_.Reset(::CreateMutexW(nullptr, FALSE, MutexName(program, folder).c_str()));
  const DWORD error = ::GetLastError();
  // Without a handle, only a mutex that another copy holds and keeps from us counts as running.
  another_ = mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED;
}

}  // namespace vantor
