#include "preference/core/LogonEntry.h"

#include <gtest/gtest.h>

namespace vantor::preference {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The two values of the log-on box, each under its own key; a read-only registry refuses every write.
struct FakeRegistry : RegistryPort {
  FakeRegistry(std::optional<std::wstring> r = {}, std::optional<Bytes> a = {}) : run(std::move(r)), approved(std::move(a)) {}
  static bool Is(const std::wstring& k, const std::wstring& n, const wchar_t* key) { return k == key && n == L"Vantor"; }
  std::optional<std::wstring> ReadString(const std::wstring& k, const std::wstring& n) override { return Is(k, n, kRunKey) ? run : std::nullopt; }
  std::optional<Bytes> ReadBinary(const std::wstring& k, const std::wstring& n) override { return Is(k, n, kStartupApprovedKey) ? approved : std::nullopt; }
  bool WriteString(const std::wstring& k, const std::wstring& n, const std::wstring& v) override { return !readOnly && Is(k, n, kRunKey) && (run = v, true); }
  bool DeleteValue(const std::wstring& k, const std::wstring& n) override {
    if (!readOnly && Is(k, n, kRunKey)) run.reset();
    if (!readOnly && Is(k, n, kStartupApprovedKey)) approved.reset();
    return !readOnly;
  }
  std::optional<std::wstring> run;
  std::optional<Bytes> approved;
  bool readOnly = false;
};

TEST(PreferenceLogon, TheStateIsWhatWindowsWillDoAndTickingMakesItThisFoldersAndOn) {
  using enum LogonState;
  const std::wstring folder = L"C:\\Users\\me\\Vantor", mine = L"\"C:\\Users\\me\\Vantor\\Vantor.exe\"";
  // Task Manager's switch as it writes it: on, and off with the time it was switched off.
  const Bytes on = {2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, off = {3, 0, 0, 0, 0x17, 0x79, 0xBD, 0x01, 0x17, 0xD9, 0xD1, 0x01};
  const struct {
    FakeRegistry registry;
    LogonState state;
    std::wstring program;
  } cases[] = {
      {{}, Absent, L""},
      {{mine, std::nullopt}, ThisFolder, L""},
      {{L"c:/users/ME/vantor/VANTOR.EXE ", on}, ThisFolder, L""},  // unquoted, in other letters
      {{mine + L" /hidden", Bytes{6, 0, 0, 0}}, ThisFolder, L""},  // 06 is on too
      {{mine, off}, SwitchedOff, L""},
      {{mine, Bytes{7, 0}}, SwitchedOff, L""},
      {{L"\"D:\\Old\\Vantor.exe\"", off}, OtherFolder, L"D:\\Old\\Vantor.exe"},
      {{L"C:\\Users\\me\\Vantor\\Vantor.exe.old", std::nullopt}, OtherFolder, L"C:\\Users\\me\\Vantor\\Vantor.exe.old"},
  };
  for (const auto& c : cases) {
    const std::wstring row = c.registry.run.value_or(L"(none)");
    FakeRegistry registry = c.registry, ticked = c.registry, unticked = c.registry, refusing = c.registry;
    const LogonEntry entry = ReadLogonEntry(registry, folder);
    EXPECT_TRUE(entry.state == c.state && entry.program == c.program) << row;
    EXPECT_TRUE(WriteLogonEntry(ticked, folder, true) && WriteLogonEntry(unticked, folder, false)) << row;
    EXPECT_EQ(ReadLogonEntry(ticked, folder).state, ThisFolder) << row;
    EXPECT_TRUE(c.state != ThisFolder || ticked.run == c.registry.run) << row << ": nothing to change";
    EXPECT_EQ(unticked.run.has_value(), c.state == OtherFolder) << row << ": only this folder's value goes";
    refusing.readOnly = true;
    EXPECT_EQ(WriteLogonEntry(refusing, folder, true), c.state == ThisFolder) << row << ": a failed write is told";
  }
}

}  // namespace
}  // namespace vantor::preference
