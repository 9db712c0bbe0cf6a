// The capture page: the folder the pictures go to, and for each of the agent's two views
// its switch and its percentages.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Settings.h"
#include "preference/win/PageView.h"
#include "preference/win/PercentListView.h"

namespace vantor::preference {

class CapturePageView : public PageView {
 public:
  CapturePageView(std::function<HWND(int)> control, MainSettings& settings);

  void Load() override {
    cpu_.Load();
    mol_.Load();
  }
  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification) override;
  bool OnScroll(int control, int) override { return cpu_.OnScroll(control) || mol_.OnScroll(control); }

 private:
  void ChooseCaptureFolder();

  std::function<HWND(int)> control_;
  MainSettings& settings_;
  PercentListView cpu_, mol_;
};

}  // namespace vantor::preference
