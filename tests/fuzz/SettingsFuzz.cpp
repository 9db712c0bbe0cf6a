// The settings load over any Vantor.ini contents, for both programs' spellings. The input's
// lines are the values of the keys in the order they are read. A value that does not convert
// is an expected ConversionError, which must leave every later key as it was; a load that
// succeeds must survive a save and a second load unchanged.
#include <cwctype>
#include <map>

#include "common/core/Convert.h"
#include "common/core/Settings.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

using vantor::MainSettings;
using vantor::SettingsReader;

// Values as the platform hands them over: blanks around them dropped, cut to 1023 characters.
std::wstring AsProfileValue(const std::wstring& raw) {
  const std::size_t first = raw.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return L"";
  const std::size_t last = raw.find_last_not_of(L" \t");
  return raw.substr(first, last - first + 1).substr(0, 1023);
}

// Answers each read with the next input line; writes are not expected.
class InputProfile : public vantor::ProfilePort {
 public:
  explicit InputProfile(std::vector<std::wstring> values) : values_(std::move(values)) {}
  std::wstring Read(const std::wstring&, const std::wstring&, const std::wstring&) override {
    const std::size_t i = reads++;
    return i < values_.size() ? AsProfileValue(values_[i]) : L"";
  }
  bool Write(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&) override {
    std::abort();
  }
  std::size_t reads = 0;

 private:
  std::vector<std::wstring> values_;
};

// A file of keys matched without regard to case.
class MapProfile : public vantor::ProfilePort {
 public:
  std::wstring Read(const std::wstring& path, const std::wstring& section, const std::wstring& key) override {
    const auto it = values_.find(Key(path, section, key));
    return it == values_.end() ? L"" : it->second;
  }
  bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
             const std::wstring& value) override {
    values_[Key(path, section, key)] = value;
    return true;
  }

 private:
  static std::wstring Key(const std::wstring& path, const std::wstring& section, const std::wstring& key) {
    std::wstring k = path + L'\n' + section + L'\n' + key;
    for (auto& c : k) c = static_cast<wchar_t>(std::towlower(c));
    return k;
  }
  std::map<std::wstring, std::wstring> values_;
};

// Only remembers the values written, in order.
class WrittenValues : public vantor::ProfilePort {
 public:
  std::wstring Read(const std::wstring&, const std::wstring&, const std::wstring&) override { std::abort(); }
  bool Write(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring& value) override {
    writes.push_back(value);
    return true;
  }
  std::vector<std::wstring> writes;
};

std::vector<std::wstring> SavedValues(const MainSettings& s) {
  WrittenValues profile;
  vantor::IniFile ini(profile, L"C:\\Vantor");
  vantor::SaveSettings(ini, s, s.PriorityUda, s.PriorityOther);
  return profile.writes;
}

void CheckLoad(const std::vector<std::wstring>& values, SettingsReader reader) {
  InputProfile input(values);
  MainSettings settings;
  try {
    vantor::LoadSettings(vantor::IniFile(input, L"C:\\Vantor"), settings, reader);
  } catch (const vantor::ConversionError&) {
    // The key of the last read failed; the keys after it still hold their defaults.
    const std::vector<std::wstring> loaded = SavedValues(settings);
    static const std::vector<std::wstring> defaults = SavedValues(MainSettings{});
    FUZZ_CHECK(input.reads >= 1 && input.reads <= loaded.size());
    for (std::size_t i = input.reads; i < loaded.size(); ++i) FUZZ_CHECK(loaded[i] == defaults[i]);
    return;
  }
  const std::vector<std::wstring> saved = SavedValues(settings);

  MapProfile file;
  vantor::IniFile ini(file, L"C:\\Vantor");
  vantor::SaveSettings(ini, settings, settings.PriorityUda, settings.PriorityOther);
  MainSettings reloaded;
  vantor::LoadSettings(ini, reloaded, reader);  // what was saved always loads
  FUZZ_CHECK(SavedValues(reloaded) == saved);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::wstring> values = vantor::fuzz::SplitLines(vantor::fuzz::DecodeText(data, size));
  CheckLoad(values, SettingsReader::Vantor);
  CheckLoad(values, SettingsReader::Preference);
  return 0;
}
