#include "common/win/CanvasPainter.h"

namespace vantor {

void PaintCanvas(HDC dc, const Canvas& canvas, int left, int top, int size) {
  // The canvas holds colour words (red in the low byte); a 32-bit DIB wants blue first.
  std::uint32_t pixels[kIconSize * kIconSize];
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const std::uint32_t c = canvas.Pixel(x, y);
      pixels[y * kIconSize + x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = kIconSize;
  info.bmiHeader.biHeight = -kIconSize;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  ::StretchDIBits(dc, left, top, size, size, 0, 0, kIconSize, kIconSize, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace vantor
