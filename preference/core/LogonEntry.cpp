#include "preference/core/LogonEntry.h"

namespace vantor::preference {
namespace {

const wchar_t* const kValue = L"Vantor";

std::wstring Folded(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    if (c == L'/') c = L'\\';
  }
  return text;
}

std::wstring ProgramOf(const std::wstring& folder) {
  // A drive root keeps its one backslash.
  return folder + (!folder.empty() && folder.back() == L'\\' ? L"" : L"\\") + L"Vantor.exe";
}

// The program a command line starts: the quoted text, or else the whole text less blanks at
// its ends.
std::wstring CommandProgram(const std::wstring& command) {
  const std::size_t first = command.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return L"";
  if (command[first] == L'"') {
    const std::size_t close = command.find(L'"', first + 1);
    return command.substr(first + 1, close == std::wstring::npos ? std::wstring::npos : close - first - 1);
  }
  return command.substr(first, command.find_last_not_of(L" \t") + 1 - first);
}

// Task Manager keeps its switch in the lowest bit of the value's first byte: set is off.
bool SwitchedOff(RegistryPort& registry) {
  const auto bytes = registry.ReadBinary(kStartupApprovedKey, kValue);
  return bytes && !bytes->empty() && ((*bytes)[0] & 1) != 0;
}

}  // namespace

LogonEntry ReadLogonEntry(RegistryPort& registry, const std::wstring& folder) {
  const auto command = registry.ReadString(kRunKey, kValue);
  if (!command) return {};
  const std::wstring program = CommandProgram(*command);
  if (program.empty()) return {};
  if (Folded(program) != Folded(ProgramOf(folder))) return {LogonState::OtherFolder, program};
  return {SwitchedOff(registry) ? LogonState::SwitchedOff : LogonState::ThisFolder, L""};
}

bool WriteLogonEntry(RegistryPort& registry, const std::wstring& folder, bool start) {
  const LogonState state = ReadLogonEntry(registry, folder).state;
  if (!start) {
    if (state != LogonState::ThisFolder && state != LogonState::SwitchedOff) return true;
    return registry.DeleteValue(kRunKey, kValue);
  }
  if (state == LogonState::ThisFolder) return true;
  if (state != LogonState::SwitchedOff && !registry.WriteString(kRunKey, kValue, L"\"" + ProgramOf(folder) + L"\"")) {
    return false;
  }
  // No switch is on.
  return !SwitchedOff(registry) || registry.DeleteValue(kStartupApprovedKey, kValue);
}

}  // namespace vantor::preference
