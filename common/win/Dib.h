// Device-independent bitmaps as the drawing, picture and capture code hand them over.
#pragma once

#include "common/win/Windows.h"

#include <cstdint>

namespace vantor {

// The header of an uncompressed bitmap stored top row first.
inline BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitCount) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A colour word (red in the low byte) as a 32-bit bitmap pixel (blue in the low byte), and back.
constexpr std::uint32_t SwapRedAndBlue(std::uint32_t c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }

}  // namespace vantor
