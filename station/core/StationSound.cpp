// The sounds of a changed percentage and the watch of the agent's save file.
#include "station/core/Station.h"

#include "common/core/QuietHours.h"

namespace vantor {

bool Station::Silent() {
  if (menu_.Mute) return true;
  if (!settings_.SoundQuiet) return false;
  // The clock and its time zone as they are now.
  const LocalTime now = capture_.Now();
  return InQuietSpan(settings_.QuietFrom, settings_.QuietTo, now.hour * 60 + now.minute);
}

void Station::CheckAlarm() {
  if (Silent()) return;
  if (settings_.SoundProgress) PlaySoundFile(sound_, settings_.SoundFile1);
  if (!settings_.AlarmPercent) return;
  // A percentage listed twice starts sound 2 twice.
  for (int n = ScheduleCount(AlarmPercents, Percent); n > 0; --n) PlaySoundFile(sound_, settings_.SoundFile2);
}

void Station::CheckSaveTimeStamp() {
  if (!settings_.SaveCheck) return;
  // The last-seen time moves first: a failing reaction below is not repeated.
  if (!StampChanged(SaveFileStamp, SaveFilePath(), saveWatchFailing_, L"CheckSaveTimeStamp")) return;
  if (settings_.SaveSound && !Silent()) PlaySoundFile(sound_, settings_.SoundFile3);
  if (Backin) {
    Backin = false;
    ZeroTicks = 0;
  }
  ChangeIcon();
}

}  // namespace vantor
