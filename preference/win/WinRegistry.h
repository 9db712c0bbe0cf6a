// The registry port over the user's own hive (HKEY_CURRENT_USER).
#pragma once

#include "preference/core/LogonEntry.h"

namespace vantor::preference {

class WinRegistry : public RegistryPort {
 public:
  std::optional<std::wstring> ReadString(const std::wstring& key, const std::wstring& name) override;
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::wstring& key, const std::wstring& name) override;
  bool WriteString(const std::wstring& key, const std::wstring& name, const std::wstring& value) override;
  bool DeleteValue(const std::wstring& key, const std::wstring& name) override;
};

}  // namespace vantor::preference
