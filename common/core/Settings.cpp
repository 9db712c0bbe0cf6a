#include "common/core/Settings.h"

#include <variant>

#include "common/core/Convert.h"
#include "common/core/QuietHours.h"

namespace vantor {
namespace {

enum class Form {
  Colour,     // leading number to 32 bits, 0 gives the default
  FlagRule1,  // on only for "1"
  FlagRule0,  // off only for "0"
  Choice,     // 1 for "1", else 0
  Bakkin,     // empty gives 15, otherwise the whole text as a 16-bit number
  Number,     // leading number to 16 bits, 0 gives the default
  Text,       // stored as read
  ClockTime,  // "HH:MM" as minutes after midnight; one that does not read turns the quiet hours off
};

using Member = std::variant<std::int32_t MainSettings::*, bool MainSettings::*,
                            std::int16_t MainSettings::*, std::wstring MainSettings::*>;

struct KeyDef {
  const wchar_t* section;
  const wchar_t* key;  // as written by Preference
  Form form;
  Member member;
  std::int32_t fallback;                // the default for 0 (colours and numbers)
  const wchar_t* vantorKey = nullptr;   // Vantor reads this spelling instead
  const wchar_t* preferenceKey = nullptr;  // Preference reads this spelling instead
};

using S = MainSettings;
const KeyDef kKeys[] = {
    {L"color", L"back", Form::Colour, &S::ColorBack, 0},
    {L"color", L"graph", Form::Colour, &S::ColorGraph, 16744576},
    {L"color", L"frame", Form::Colour, &S::ColorFrame, 16711680},
    {L"color", L"text", Form::Colour, &S::ColorText, 16777215},
    {L"color", L"shadow", Form::Colour, &S::ColorShadow, 0},
    {L"icon", L"frame", Form::FlagRule0, &S::IconFrame, 0},
    {L"icon", L"text", Form::FlagRule0, &S::IconText, 0},
    {L"icon", L"picture", Form::Text, &S::IconPicture, 0},
    {L"icon", L"back", Form::FlagRule1, &S::IconBack, 0},
    {L"icon", L"graph", Form::FlagRule1, &S::IconGraph, 0},
    {L"icon", L"dblclick", Form::Choice, &S::DblClick, 0, L"DblClick", L"dblClick"},
    {L"icon", L"balloon", Form::FlagRule1, &S::Balloon, 0},
    {L"sound", L"filename1", Form::Text, &S::SoundFile1, 0},
    {L"sound", L"progress", Form::FlagRule1, &S::SoundProgress, 0},
    {L"sound", L"once", Form::FlagRule1, &S::SoundOnce, 0},
    {L"sound", L"filename2", Form::Text, &S::SoundFile2, 0},
    {L"sound", L"alarmpercent", Form::FlagRule1, &S::AlarmPercent, 0},
    {L"sound", L"schedule", Form::Text, &S::AlarmSchedule, 0},
    {L"sound", L"quiet", Form::FlagRule1, &S::SoundQuiet, 0},
    {L"sound", L"quietfrom", Form::ClockTime, &S::QuietFrom, 23 * 60},
    {L"sound", L"quietto", Form::ClockTime, &S::QuietTo, 7 * 60},
    {L"save", L"folder", Form::Text, &S::SaveFolder, 0},
    {L"save", L"check", Form::FlagRule1, &S::SaveCheck, 0},
    {L"save", L"filename3", Form::Text, &S::SoundFile3, 0},
    {L"save", L"sound", Form::FlagRule1, &S::SaveSound, 0},
    {L"save", L"bakkin", Form::Bakkin, &S::Bakkin, 15},
    {L"capture", L"folder", Form::Text, &S::CaptureFolder, 0},
    {L"capture", L"cpu", Form::FlagRule1, &S::CaptureCpu, 0},
    {L"capture", L"cpuschedule", Form::Text, &S::CpuSchedule, 0},
    {L"capture", L"mol", Form::FlagRule1, &S::CaptureMol, 0},
    {L"capture", L"molschedule", Form::Text, &S::MolSchedule, 0},
    {L"capture", L"minimize", Form::FlagRule0, &S::Capture_Minimize, 0},
    {L"capture", L"minimizemethod", Form::Choice, &S::Capture_MinimizeMethod, 0},
    {L"capture", L"delay_cpu", Form::Number, &S::Capture_Delay_CPU, 100},
    {L"capture", L"delay_mol", Form::Number, &S::Capture_Delay_MOL, 500},
    {L"priority", L"uda", Form::Text, &S::PriorityUda, 0},
    {L"priority", L"other", Form::Text, &S::PriorityOther, 0},
    {L"priority", L"frequency", Form::Number, &S::Frequency, 1, L"Frequency", nullptr},
    {L"icon", L"timeleft", Form::FlagRule1, &S::TimeLeft, 0},
};

void LoadKey(const KeyDef& def, const std::wstring& text, MainSettings& s) {
  switch (def.form) {
    case Form::Colour: {
      const std::int32_t value = LeadingInt32(text);
      s.*std::get<std::int32_t S::*>(def.member) = value == 0 ? def.fallback : value;
      break;
    }
    case Form::FlagRule1:
      s.*std::get<bool S::*>(def.member) = FlagRule1(text);
      break;
    case Form::FlagRule0:
      s.*std::get<bool S::*>(def.member) = FlagRule0(text);
      break;
    case Form::Choice:
      s.*std::get<std::int16_t S::*>(def.member) = Choice(text);
      break;
    case Form::Bakkin:
      s.*std::get<std::int16_t S::*>(def.member) =
          text.empty() ? static_cast<std::int16_t>(def.fallback) : RoundToInt16(WholeNumber(text));
      break;
    case Form::Number: {
      const std::int16_t value = LeadingInt16(text);
      s.*std::get<std::int16_t S::*>(def.member) =
          value == 0 ? static_cast<std::int16_t>(def.fallback) : value;
      break;
    }
    case Form::Text:
      s.*std::get<std::wstring S::*>(def.member) = text;
      break;
    case Form::ClockTime: {
      const std::optional<int> minutes = ParseClockTime(text);
      s.*std::get<std::int16_t S::*>(def.member) = static_cast<std::int16_t>(minutes.value_or(def.fallback));
      if (!minutes && !text.empty()) s.SoundQuiet = false;  // read after the switch; a missing time is the default
      break;
    }
  }
}

std::wstring SaveText(const KeyDef& def, const MainSettings& s) {
  switch (def.form) {
    case Form::Colour:
      return std::to_wstring(s.*std::get<std::int32_t S::*>(def.member));
    case Form::FlagRule1:
    case Form::FlagRule0:
      return s.*std::get<bool S::*>(def.member) ? L"1" : L"0";
    case Form::Choice:
      // The double-click choice is written as its number; the minimise method as 1 or 0.
      if (std::get<std::int16_t S::*>(def.member) == &S::DblClick) {
        return std::to_wstring(s.DblClick);
      }
      return s.*std::get<std::int16_t S::*>(def.member) != 0 ? L"1" : L"0";
    case Form::Bakkin:
    case Form::Number:
      return std::to_wstring(s.*std::get<std::int16_t S::*>(def.member));
    case Form::Text:
      return s.*std::get<std::wstring S::*>(def.member);
    case Form::ClockTime:
      return ClockTimeText(s.*std::get<std::int16_t S::*>(def.member));
  }
  return L"";
}

}  // namespace

void LoadSettings(const IniFile& ini, MainSettings& settings, SettingsReader reader) {
  for (const KeyDef& def : kKeys) {
    const wchar_t* key = def.key;
    if (reader == SettingsReader::Vantor && def.vantorKey) key = def.vantorKey;
    if (reader == SettingsReader::Preference && def.preferenceKey) key = def.preferenceKey;
    LoadKey(def, ini.GetIniValue(def.section, key), settings);
  }
}

bool SaveSettings(IniFile& ini, const MainSettings& settings, const std::wstring& uda,
                  const std::wstring& other) {
  for (const KeyDef& def : kKeys) {
    std::wstring value = SaveText(def, settings);
    if (std::get_if<std::wstring S::*>(&def.member)) {
      const auto member = std::get<std::wstring S::*>(def.member);
      if (member == &S::PriorityUda) value = uda;
      if (member == &S::PriorityOther) value = other;
    }
    if (!ini.SetIniValue(def.section, def.key, value)) return false;
  }
  return true;
}

}  // namespace vantor
