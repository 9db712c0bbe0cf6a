// PNG files through the Windows Imaging Component. COM must be initialised on the calling
// thread.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

// Rows of 24-bit pixels, blue first, top row first, `stride` bytes apart.
struct BgrImage {
  int width = 0;
  int height = 0;
  int stride = 0;
  const std::uint8_t* bits = nullptr;
};

// Writes the image as a PNG file. False when the file cannot be created or written; a file
// left half-written is removed.
bool WritePng(const std::wstring& path, const BgrImage& image);

}  // namespace vantor
