// The balloon page: whether a balloon tells every change of the percentage.
#pragma once

#include "common/win/Windows.h"

#include "common/core/Settings.h"
#include "preference/win/PageView.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

class BalloonView : public PageView {
 public:
  explicit BalloonView(MainSettings& settings) : settings_(settings) {}

  void Attach(HWND page) override { page_ = page; }
  bool OnCommand(int control, int notification) override {
    if (control != IDC_CheckBalloon) return false;
    if (notification == BN_CLICKED) settings_.Balloon = IsTicked(::GetDlgItem(page_, control));
    return true;
  }

 private:
  MainSettings& settings_;
  HWND page_ = nullptr;
};

}  // namespace vantor::preference
