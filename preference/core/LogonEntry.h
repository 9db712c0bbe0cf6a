// Starting Vantor at log-on: the value "Vantor" of the user's Run key, which Windows starts,
// and Task Manager's switch for that value. The only registry values the programs touch.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor::preference {

// Values under HKEY_CURRENT_USER.
class RegistryPort {
 public:
  virtual ~RegistryPort() = default;
  // Nothing when the value is missing or of another type.
  virtual std::optional<std::wstring> ReadString(const std::wstring& key, const std::wstring& name) = 0;
  virtual std::optional<std::vector<std::uint8_t>> ReadBinary(const std::wstring& key, const std::wstring& name) = 0;
  // False when the value could not be written (or removed; a missing value counts as removed).
  virtual bool WriteString(const std::wstring& key, const std::wstring& name, const std::wstring& value) = 0;
  virtual bool DeleteValue(const std::wstring& key, const std::wstring& name) = 0;
};

inline const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const wchar_t* const kStartupApprovedKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// What Windows will do at the next log-on.
enum class LogonState {
  Absent,       // start no Vantor
  ThisFolder,   // start this folder's Vantor
  OtherFolder,  // start another program: `program` names it
  SwitchedOff,  // this folder's Vantor is registered, but Task Manager switched it off
};

struct LogonEntry {
  LogonState state = LogonState::Absent;
  std::wstring program;  // the program the value names (for OtherFolder)
};

// The entry as Windows reads it for the Vantor of `folder`.
LogonEntry ReadLogonEntry(RegistryPort& registry, const std::wstring& folder);

// Makes Windows start the Vantor of `folder` at log-on, and switched on (`start`), or start no
// Vantor of this folder. Writes only what must change: another program's value stays when
// `start` is false. False when a write failed.
bool WriteLogonEntry(RegistryPort& registry, const std::wstring& folder, bool start);

}  // namespace vantor::preference
