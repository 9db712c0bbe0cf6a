// The sound page: two sound files, the rise and once switches, and the alarm percentages.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Settings.h"
#include "preference/win/PageView.h"
#include "preference/win/PercentListView.h"
#include "preference/win/SoundChooser.h"

namespace vantor::preference {

class SoundPageView : public PageView {
 public:
  SoundPageView(std::function<HWND(int)> control, MainSettings& settings);

  void Load() override { alarms_.Load(); }
  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification) override;
  bool OnScroll(int control, int) override { return alarms_.OnScroll(control); }
  // Takes the quiet times as their boxes read now, as leaving each box takes it.
  void TakeTypedValues() override;

 private:
  std::int16_t& Stored(int box);
  // Takes the time in `box` and shows it in its own form; false, changing nothing, when it does not read.
  bool TakeTime(int box);
  // Leaving `box`: a time that does not read brings the stored one back.
  void TakeOrRestore(int box);

  std::function<HWND(int)> control_;
  MainSettings& settings_;
  SoundChooser sound1_, sound2_;
  PercentListView alarms_;
};

}  // namespace vantor::preference
