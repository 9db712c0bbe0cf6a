// The screen's device context for as long as it lives.
#pragma once

#include "common/win/Windows.h"

namespace vantor {

class ScreenDc {
 public:
  ScreenDc() : window_(::GetDesktopWindow()), dc_(::GetDC(window_)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace vantor
