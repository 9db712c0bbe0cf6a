// The save-watch page: the agent's folder and its watch switch, the third sound, and the
// backing-off minutes with their scroll bar.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Ports.h"
#include "common/core/Settings.h"
#include "preference/win/PageView.h"
#include "preference/win/SoundChooser.h"

namespace vantor::preference {

class SavePageView : public PageView {
 public:
  SavePageView(std::function<HWND(int)> control, MainSettings& settings, FilePort& files);

  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification) override;
  bool OnScroll(int control, int request) override;
  // Takes the backing-off minutes as their box reads now, as leaving the box takes them: only
  // 10 to 15; any other text brings the stored minutes back.
  void TakeTypedValues() override;

 private:
  void ChooseAgentFolder();
  void ShowMinutes(int minutes);

  std::function<HWND(int)> control_;
  MainSettings& settings_;
  FilePort& files_;
  SoundChooser sound3_;
};

}  // namespace vantor::preference
