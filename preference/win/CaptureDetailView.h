// The capture detail page: minimising the agent after a capture, how, and the two delays.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Settings.h"

namespace vantor::preference {

class CaptureDetailView {
 public:
  CaptureDetailView(std::function<HWND(int)> control, MainSettings& settings)
      : control_(std::move(control)), settings_(settings) {}

  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification);
  bool OnScroll(int control);

 private:
  std::function<HWND(int)> control_;
  MainSettings& settings_;
};

}  // namespace vantor::preference
