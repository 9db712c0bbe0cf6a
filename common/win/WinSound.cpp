#include "common/win/WinSound.h"

#include "common/win/Windows.h"

#include <mmsystem.h>

namespace vantor {

void WinSound::PlaySound(const std::wstring& path) {
  ::PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace vantor
