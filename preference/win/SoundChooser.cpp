#include "preference/win/SoundChooser.h"

#include "common/core/Sound.h"
#include "common/win/WinSound.h"
#include "preference/win/FileDialogs.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

bool SoundChooser::OnCommand(int control, int notification) {
  if (control != ids_.choose && control != ids_.test) return false;
  if (notification != BN_CLICKED) return true;
  if (control == ids_.test) {
    WinSound sound;
    PlaySoundFile(sound, stored_);
    return true;
  }
  HWND box = control_(ids_.box);
  const auto file = ChooseFile(::GetAncestor(box, GA_ROOT), IDS_FileOpenTitle, IDS_SoundFilter, L"*.wav");
  if (!file) return true;  // cancelled: nothing changes
  SetControlText(box, *file);
  stored_ = ControlText(box);
  return true;
}

}  // namespace vantor::preference
