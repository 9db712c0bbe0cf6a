// What the station tells by sound: a new percentage, the percentages of the alarm schedule and
// a new save of the agent's save file; mute and the quiet hours keep it silent.
#pragma once

#include <string>

#include "common/core/Clock.h"
#include "common/core/Schedule.h"
#include "common/core/Settings.h"
#include "common/core/Sound.h"
#include "station/core/ChangeStamp.h"
#include "station/core/Reports.h"

namespace vantor {

class Notifications {
 public:
  Notifications(SoundPort& sound, ClockPort& clock, FilePort& files, const MainSettings& settings, Reports& reports)
      : sound_(sound), clock_(clock), files_(files), settings_(settings), reports_(reports) {}
  Notifications(const Notifications&) = delete;
  Notifications& operator=(const Notifications&) = delete;

  // The settings were read: the alarm schedule anew.
  void ParseSchedule() { AlarmPercents = vantor::ParseSchedule(settings_.AlarmSchedule); }
  // At start-up: the save file's time as it is, which is no news.
  void PrimeSaveWatch();
  // A new percentage: sound 1, and sound 2 as often as the schedule lists the percentage.
  void CheckAlarm(std::int16_t percent);
  // Whether the save file was written since the last look (sound 3 tells it).
  bool CheckSaveTimeStamp();
  // The last modification time seen of the save file.
  FileStamp SaveTime() const { return SaveFileStamp.current; }

  void SetMute() { Mute = !Mute; }
  bool Muted() const { return Mute; }

 private:
  // No sound now: muted, or within the quiet hours.
  bool Silent();
  std::wstring SaveFilePath() const { return settings_.SaveFolder + L"\\tklg.ud"; }

  SoundPort& sound_;
  ClockPort& clock_;
  FilePort& files_;
  const MainSettings& settings_;
  Reports& reports_;
  bool Mute = false;  // mnuMute
  ScheduleTable AlarmPercents = EmptySchedule();
  // The save file's times: SaveTime (current) and LastSaveTime.
  ChangeStamp SaveFileStamp;
  FailOnce saveWatch_;
};

}  // namespace vantor
