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
  try {
    if (!settings_.SaveCheck) return;
    // The last-seen time moves first: a failing reaction below is not repeated.
    const bool changed = SaveFileStamp.Changed(files_, SaveFilePath());
    saveWatchFailing_ = false;
    if (!changed) return;
    if (settings_.SaveSound && !menu_.Mute) PlaySoundFile(sound_, settings_.SoundFile3);
    if (Backin) {
      Backin = false;
      ZeroTicks = 0;
    }
    ChangeIcon();
  } catch (const std::exception&) {
    // A drive that stays unready is reported once, and again after a good check.
    if (!saveWatchFailing_) ReportError(ErrorText(L"CheckSaveTimeStamp"));
    saveWatchFailing_ = true;
  }
}

}  // namespace vantor
