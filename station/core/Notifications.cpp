#include "station/core/Notifications.h"

#include "common/core/QuietHours.h"

namespace vantor {

bool Notifications::Silent() {
  if (Mute) return true;
  if (!settings_.SoundQuiet) return false;
  const LocalTime now = clock_.LocalNow();
  return InQuietSpan(settings_.QuietFrom, settings_.QuietTo, now.hour * 60 + now.minute);
}

void Notifications::CheckAlarm(std::int16_t percent) {
  if (Silent()) return;
  if (settings_.SoundProgress) PlaySoundFile(sound_, settings_.SoundFile1);
  if (!settings_.AlarmPercent) return;
  // A percentage listed twice starts sound 2 twice.
  for (int n = ScheduleCount(AlarmPercents, percent); n > 0; --n) PlaySoundFile(sound_, settings_.SoundFile2);
}

void Notifications::PrimeSaveWatch() {
  if (settings_.SaveCheck) SaveFileStamp.Prime(files_, SaveFilePath());
}

bool Notifications::CheckSaveTimeStamp() {
  if (!settings_.SaveCheck) return false;
  // The last-seen time moves first: a failing reaction is not repeated.
  if (!reports_.StampChanged(SaveFileStamp, SaveFilePath(), saveWatch_, L"CheckSaveTimeStamp")) return false;
  if (settings_.SaveSound && !Silent()) PlaySoundFile(sound_, settings_.SoundFile3);
  return true;
}

}  // namespace vantor
