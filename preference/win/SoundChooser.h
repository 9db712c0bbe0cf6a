// A sound file on its page: the path box, the "..." chooser and the test button.
#pragma once

#include "common/win/Windows.h"

#include <functional>
#include <string>

namespace vantor::preference {

struct SoundChooserIds {
  int box, choose, test;
};

class SoundChooser {
 public:
  SoundChooser(std::function<HWND(int)> control, SoundChooserIds ids, std::wstring& stored)
      : control_(std::move(control)), ids_(ids), stored_(stored) {}

  // Returns true when the control is one of this chooser's.
  bool OnCommand(int control, int notification);

 private:
  std::function<HWND(int)> control_;
  SoundChooserIds ids_;
  std::wstring& stored_;
};

}  // namespace vantor::preference
