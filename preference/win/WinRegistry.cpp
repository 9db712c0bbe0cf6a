#include "preference/win/WinRegistry.h"

#include "common/win/Handle.h"
#include "common/win/Windows.h"

namespace vantor::preference {
namespace {

struct KeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::RegCloseKey(h); }
};
using OwnedKey = Owned<KeyTraits>;

// The value's bytes when it has one of `types` (RRF_RT_ flags).
std::optional<std::vector<std::uint8_t>> Read(const std::wstring& key, const std::wstring& name, DWORD types) {
  for (int attempt = 0; attempt < 3; ++attempt) {  // the value may grow between the two calls
    DWORD size = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), types, nullptr, nullptr, &size) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(size);
    const LONG result = ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), types, nullptr, bytes.data(), &size);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return std::nullopt;
    bytes.resize(size);
    return bytes;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::wstring> WinRegistry::ReadString(const std::wstring& key, const std::wstring& name) {
  const auto bytes = Read(key, name, RRF_RT_REG_SZ);  // a REG_EXPAND_SZ comes expanded, as REG_SZ
  if (!bytes) return std::nullopt;
  std::wstring text(reinterpret_cast<const wchar_t*>(bytes->data()), bytes->size() / sizeof(wchar_t));
  text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
  return text;
}

std::optional<std::vector<std::uint8_t>> WinRegistry::ReadBinary(const std::wstring& key, const std::wstring& name) {
  return Read(key, name, RRF_RT_REG_BINARY);
}

bool WinRegistry::WriteString(const std::wstring& key, const std::wstring& name, const std::wstring& value) {
  HKEY opened = nullptr;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const OwnedKey owned(opened);
  const auto size = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return ::RegSetValueExW(opened, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), size) ==
         ERROR_SUCCESS;
}

bool WinRegistry::DeleteValue(const std::wstring& key, const std::wstring& name) {
  HKEY opened = nullptr;
  const LONG open = ::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &opened);
  if (open == ERROR_FILE_NOT_FOUND) return true;
  if (open != ERROR_SUCCESS) return false;
  const OwnedKey owned(opened);
  const LONG result = ::RegDeleteValueW(opened, name.c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace vantor::preference
