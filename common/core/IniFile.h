// Access to the settings files of the program folder. Every call builds the path anew from
// the folder and a literal name with a leading backslash; nothing is cached.
#pragma once

#include <string>

#include "common/core/Ports.h"

namespace vantor {

inline constexpr wchar_t kVantorIni[] = L"\\Vantor.ini";
inline constexpr wchar_t kPriorityIni[] = L"\\priority.ini";
inline constexpr wchar_t kLinksLst[] = L"\\links.lst";
inline constexpr wchar_t kTempIco[] = L"\\temp.ico";
inline constexpr wchar_t kPreferenceExe[] = L"\\Preference.exe";

class IniFile {
 public:
  IniFile(ProfilePort& profile, std::wstring programFolder)
      : profile_(profile), folder_(std::move(programFolder)) {}

  // The program folder followed by `name` (which starts with a backslash).
  std::wstring Path(const wchar_t* name) const { return folder_ + name; }
  const std::wstring& Folder() const { return folder_; }

  std::wstring GetIniValue(const std::wstring& section, const std::wstring& key) const {
    return profile_.Read(Path(kVantorIni), section, key);
  }
  // The writes return false when the file could not be written.
  bool SetIniValue(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    return profile_.Write(Path(kVantorIni), section, key, value);
  }
  std::wstring GetPriorityValue(const std::wstring& section, const std::wstring& key) const {
    return profile_.Read(Path(kPriorityIni), section, key);
  }
  bool SetPriorityValue(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    return profile_.Write(Path(kPriorityIni), section, key, value);
  }

 private:
  ProfilePort& profile_;
  std::wstring folder_;
};

}  // namespace vantor
