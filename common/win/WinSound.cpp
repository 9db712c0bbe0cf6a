#include "common/win/WinSound.h"

#include "common/win/SystemLibrary.h"
#include "common/win/Windows.h"

#include <mmsystem.h>

namespace vantor {

void WinSound::PlaySound(const std::wstring& path) {
  // winmm.dll is no known DLL: it is loaded from the system folder, never from ours.
  using PlaySoundFn = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
  static const auto play = SystemFunction<PlaySoundFn>(L"winmm.dll", "PlaySoundW");
  if (play) play(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

}  // namespace vantor
