// The sound port over winmm.
#pragma once

#include "common/core/Sound.h"

namespace vantor {

class WinSound : public SoundPort {
 public:
  void PlaySound(const std::wstring& path) override;
};

}  // namespace vantor
