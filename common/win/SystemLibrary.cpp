#include "common/win/SystemLibrary.h"

#include <string>

namespace vantor {

void SearchSystemFolderOnly() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const HMODULE kernel32 = ::GetModuleHandleW(L"kernel32.dll");
  const auto set = kernel32 ? reinterpret_cast<SetDirectories>(reinterpret_cast<void*>(
                                  ::GetProcAddress(kernel32, "SetDefaultDllDirectories")))
                            : nullptr;
  if (!set || !set(LOAD_LIBRARY_SEARCH_SYSTEM32)) ::SetDllDirectoryW(L"");
}

HMODULE SystemLibrary(const wchar_t* name) {
  // The full path with the altered search order: the library's imports come from its own
  // folder on every system, with or without the restricted default search.
  wchar_t folder[MAX_PATH] = {};
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L"\\" + name;
  return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace vantor
