// The main settings of Vantor.ini as both programs keep them in memory, and the procedures
// that load and save them. A default-constructed MainSettings holds what a missing file gives.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/IniFile.h"

namespace vantor {

struct MainSettings {
  // [color]: the platform's colour words (red in the low byte).
  std::int32_t ColorBack = 0;
  std::int32_t ColorGraph = 16744576;
  std::int32_t ColorFrame = 16711680;
  std::int32_t ColorText = 16777215;
  std::int32_t ColorShadow = 0;
  // [icon]
  bool IconFrame = true;
  bool IconText = true;
  std::wstring IconPicture;
  bool IconBack = false;
  bool IconGraph = false;
  std::int16_t DblClick = 0;  // 0 opens Preference, 1 shows the agent's window
  bool Balloon = false;
  // [sound]
  std::wstring SoundFile1;
  bool SoundProgress = false;
  bool SoundOnce = false;
  std::wstring SoundFile2;
  bool AlarmPercent = false;
  std::wstring AlarmSchedule;
  // The quiet hours, in minutes after midnight: no sound from QuietFrom until QuietTo.
  bool SoundQuiet = false;
  std::int16_t QuietFrom = 23 * 60;
  std::int16_t QuietTo = 7 * 60;
  // [save]
  std::wstring SaveFolder;
  bool SaveCheck = false;
  std::wstring SoundFile3;
  bool SaveSound = false;
  std::int16_t Bakkin = 15;
  // [capture]
  std::wstring CaptureFolder;
  bool CaptureCpu = false;
  std::wstring CpuSchedule;
  bool CaptureMol = false;
  std::wstring MolSchedule;
  bool Capture_Minimize = true;
  std::int16_t Capture_MinimizeMethod = 0;
  std::int16_t Capture_Delay_CPU = 100;
  std::int16_t Capture_Delay_MOL = 500;
  // [priority]
  std::wstring PriorityUda;
  std::wstring PriorityOther;
  std::int16_t Frequency = 1;
  // [icon] timeleft: the time left for the running unit as the tooltip's last line.
  bool TimeLeft = false;
};

// Which program reads: the two programs spell two key names in other letter cases.
enum class SettingsReader { Vantor, Preference };

// Reads every key in file order, converting each at once. A value that does not convert
// throws ConversionError: keys before it hold their new values, keys after it their old ones.
void LoadSettings(const IniFile& ini, MainSettings& settings, SettingsReader reader);

// Writes all 39 keys in order; `uda` and `other` are the priority page's two name fields.
// Stops at the first write that fails and returns false; true when every key was written.
bool SaveSettings(IniFile& ini, const MainSettings& settings, const std::wstring& uda,
                  const std::wstring& other);

}  // namespace vantor
