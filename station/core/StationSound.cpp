// The sounds of a changed percentage and the watch of the agent's save file.
#include "station/core/Station.h"

namespace vantor {

void Station::CheckAlarm() {
  if (menu_.Mute) return;
  if (settings_.SoundProgress) PlaySoundFile(sound_, settings_.SoundFile1);
  if (!settings_.AlarmPercent) return;
  // A percentage listed twice starts sound 2 twice.
  for (int n = ScheduleCount(AlarmPercents, Percent); n > 0; --n) PlaySoundFile(sound_, settings_.SoundFile2);
}

void Station::CheckSaveTimeStamp() {
  if (!settings_.SaveCheck) return;
  // The last-seen time moves first: a failing reaction below is not repeated.
  if (!StampChanged(SaveFileStamp, SaveFilePath(), saveWatchFailing_, L"CheckSaveTimeStamp")) return;
  if (settings_.SaveSound && !menu_.Mute) PlaySoundFile(sound_, settings_.SoundFile3);
  if (Backin) {
    Backin = false;
    ZeroTicks = 0;
  }
  ChangeIcon();
}

}  // namespace vantor
