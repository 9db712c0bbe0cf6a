// The save-watch page: the agent's folder and its watch switch, the third sound, and the
// backing-off minutes with their scroll bar.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Ports.h"
#include "common/core/Settings.h"
#include "preference/win/SoundChooser.h"

namespace vantor::preference {

class SavePageView {
 public:
  SavePageView(std::function<HWND(int)> control, MainSettings& settings, FilePort& files);

  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification);
  // A scroll bar message with its request code.
  bool OnScroll(int control, int request);
  // Takes the backing-off minutes as their box reads now, as leaving the box takes them: only
  // 10 to 15; any other text brings the stored minutes back.
  void TakeTypedValues();

 private:
  void ChooseAgentFolder();
  void ShowMinutes(int minutes);

  std::function<HWND(int)> control_;
  MainSettings& settings_;
  FilePort& files_;
  SoundChooser sound3_;
};

}  // namespace vantor::preference
