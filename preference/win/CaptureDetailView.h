// The capture detail page: minimising the agent after a capture, how, and the two delays.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Settings.h"
#include "preference/win/PageView.h"

namespace vantor::preference {

class CaptureDetailView : public PageView {
 public:
  CaptureDetailView(std::function<HWND(int)> control, MainSettings& settings)
      : control_(std::move(control)), settings_(settings) {}

  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification) override;
  bool OnScroll(int control, int request) override;

 private:
  std::function<HWND(int)> control_;
  MainSettings& settings_;
};

}  // namespace vantor::preference
