#include "preference/win/SoundPageView.h"

#include "common/core/QuietHours.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

SoundPageView::SoundPageView(std::function<HWND(int)> control, MainSettings& settings)
    : control_(control),
      settings_(settings),
      sound1_(control, {IDC_txtSound1, IDC_cmdSound1, IDC_cmdSound1Test}, settings.SoundFile1),
      sound2_(control, {IDC_txtSound2, IDC_cmdSound2, IDC_cmdSound2Test}, settings.SoundFile2),
      alarms_(control, {IDC_slidSound, IDC_txtSound, IDC_cmdSound2Add, IDC_cmdSound2Clear, IDC_txtSoundPercents},
              settings.AlarmSchedule) {}

std::int16_t& SoundPageView::Stored(int box) {
  return box == IDC_txtQuietFrom ? settings_.QuietFrom : settings_.QuietTo;
}

bool SoundPageView::TakeTime(int box) {
  const auto minutes = ParseClockTime(ControlText(control_(box)));
  if (!minutes) return false;
  Stored(box) = static_cast<std::int16_t>(*minutes);
  SetControlText(control_(box), ClockTimeText(Stored(box)));
  return true;
}

void SoundPageView::TakeTypedValues() {
  for (const int box : {IDC_txtQuietFrom, IDC_txtQuietTo}) TakeOrRestore(box);
}

void SoundPageView::TakeOrRestore(int box) {
  if (!TakeTime(box)) SetControlText(control_(box), ClockTimeText(Stored(box)));
}

bool SoundPageView::OnCommand(int control, int notification) {
  if (sound1_.OnCommand(control, notification) || sound2_.OnCommand(control, notification) ||
      alarms_.OnCommand(control, notification)) {
    return true;
  }
  if (control == IDC_txtQuietFrom || control == IDC_txtQuietTo) {
    if (notification == EN_KILLFOCUS) TakeOrRestore(control);
    return true;
  }
  bool MainSettings::*flag = nullptr;
  switch (control) {
    case IDC_CheckSound1_1: flag = &MainSettings::SoundProgress; break;
    case IDC_CheckSound1_2: flag = &MainSettings::SoundOnce; break;
    case IDC_CheckSound2: flag = &MainSettings::AlarmPercent; break;
    case IDC_CheckQuiet: flag = &MainSettings::SoundQuiet; break;
    default: return false;
  }
  if (notification == BN_CLICKED) settings_.*flag = IsTicked(control_(control));
  return true;
}

}  // namespace vantor::preference
