// The sound page: two sound files, the rise and once switches, and the alarm percentages.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Settings.h"
#include "preference/win/PercentListView.h"
#include "preference/win/SoundChooser.h"

namespace vantor::preference {

class SoundPageView {
 public:
  SoundPageView(std::function<HWND(int)> control, MainSettings& settings);

  void Load() { alarms_.Load(); }
  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification);
  bool OnScroll(int control) { return alarms_.OnScroll(control); }

 private:
  std::function<HWND(int)> control_;
  MainSettings& settings_;
  SoundChooser sound1_, sound2_;
  PercentListView alarms_;
};

}  // namespace vantor::preference
