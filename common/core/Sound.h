// Sound files played by both programs.
#pragma once

#include <exception>
#include <string>

namespace vantor {

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Starts the sound file asynchronously, without a default beep when it cannot be played;
  // a new sound stops the one still playing. Returns at once.
  virtual void PlaySound(const std::wstring& path) = 0;
};

// An empty path plays nothing; any failure of the platform is ignored.
inline void PlaySoundFile(SoundPort& sound, const std::wstring& path) {
  if (path.empty()) return;
  try {
    sound.PlaySound(path);
  } catch (const std::exception&) {
  }
}

}  // namespace vantor
