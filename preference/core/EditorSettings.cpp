#include "preference/core/EditorSettings.h"

#include <set>

#include "common/core/Convert.h"
#include "common/core/IniFile.h"

namespace vantor::preference {
namespace {

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  }
  return text;
}

// Reads through to the real profile, remembers the last key read, and reads the keys that
// failed before as empty, which every key form turns into its default.
class FallbackProfile : public ProfilePort {
 public:
  explicit FallbackProfile(ProfilePort& inner) : inner_(inner) {}

  std::wstring Read(const std::wstring& path, const std::wstring& section, const std::wstring& key) override {
    lastSection = section;
    lastKey = key;
    if (blanked.count(Name(section, key))) return L"";
    return inner_.Read(path, section, key);
  }
  bool Write(const std::wstring&, const std::wstring&, const std::wstring&, const std::wstring&) override {
    return false;  // the load writes nothing
  }

  static std::wstring Name(const std::wstring& section, const std::wstring& key) {
    return L"[" + Lower(section) + L"] " + Lower(key);
  }

  std::wstring lastSection, lastKey;
  std::set<std::wstring> blanked;

 private:
  ProfilePort& inner_;
};

}  // namespace

std::vector<std::wstring> LoadEditorSettings(ProfilePort& profile, const std::wstring& folder,
                                             MainSettings& settings) {
  FallbackProfile reader(profile);
  const IniFile ini(reader, folder);
  std::vector<std::wstring> failed;
  for (;;) {
    MainSettings loaded;
    try {
      LoadSettings(ini, loaded, SettingsReader::Preference);
      settings = loaded;
      return failed;
    } catch (const ConversionError&) {
      const std::wstring name = FallbackProfile::Name(reader.lastSection, reader.lastKey);
      // A key read as empty cannot fail again; should it, stop rather than loop.
      if (!reader.blanked.insert(name).second) {
        settings = loaded;
        return failed;
      }
      failed.push_back(L"[" + reader.lastSection + L"] " + reader.lastKey);
    }
  }
}

}  // namespace vantor::preference
