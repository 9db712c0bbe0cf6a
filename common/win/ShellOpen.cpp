#include "common/win/ShellOpen.h"

#include <shellapi.h>

#include <cstdint>

namespace vantor {

bool ShellOpen(HWND owner, const std::wstring& target) {
  const HINSTANCE result = ::ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // Not a handle but a number: above 32 on success, an error code up to 32.
  return reinterpret_cast<std::uintptr_t>(result) > 32;
}

}  // namespace vantor
