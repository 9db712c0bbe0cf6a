// Sound files start asynchronously, and the save file is found behind a drive-root folder.
#include <gtest/gtest.h>

#include <string>

#include "common/win/WinPlatform.h"
#include "common/win/WinSound.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

// A one-second 8 kHz mono tone as a plain PCM WAV file.
std::string Wav() {
  const std::uint32_t samples = 8000;
  auto u32 = [](std::uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto u16 = [](std::uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string wav = "RIFF" + u32(36 + samples) + "WAVEfmt " + u32(16) + u16(1) + u16(1) + u32(8000) + u32(8000) +
                    u16(1) + u16(8) + "data" + u32(samples);
  for (std::uint32_t i = 0; i < samples; ++i) wav += char((i / 8) % 2 ? 0xC0 : 0x40);
  return wav;
}

TEST(Sound, PlayingReturnsAtOnceForMissingAndExistingFiles) {
  test::TempFolder folder{L"sound"};
  test::WriteBytes(folder / L"tone.wav", Wav());
  WinSound sound;
  for (const std::wstring& path : {folder / L"missing.wav", folder / L"tone.wav", folder / L"tone.wav", std::wstring()}) {
    const ULONGLONG start = ::GetTickCount64();
    PlaySoundFile(sound, path);
    EXPECT_LT(::GetTickCount64() - start, 250u) << testing::PrintToString(path);
  }
  PlaySoundFile(sound, folder / L"missing.wav");  // stops the tone before the folder goes
}

TEST(Sound, TheSaveFileBehindADoubledBackslashIsFound) {
  // A drive-root folder ("D:\") followed by "\tklg.ud" gives "D:\\tklg.ud".
  test::TempFolder folder{L"save"};
  test::WriteBytes(folder / L"tklg.ud", "x");
  WinFiles files;
  const std::wstring doubled = folder.Path() + L"\\\\tklg.ud";
  EXPECT_TRUE(files.FileExists(doubled));
  EXPECT_EQ(files.FileTime(doubled), files.FileTime(folder / L"tklg.ud"));
  EXPECT_NE(files.FileTime(doubled), 0);
}

}  // namespace
}  // namespace vantor
