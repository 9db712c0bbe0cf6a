#include "common/win/CanvasPainter.h"

#include "common/win/Dib.h"

namespace vantor {

void PaintCanvas(HDC dc, const Canvas& canvas, int left, int top, int size) {
  std::uint32_t pixels[kIconSize * kIconSize];
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) pixels[y * kIconSize + x] = SwapRedAndBlue(canvas.Pixel(x, y));
  }
  const BITMAPINFO info = TopDownBitmapInfo(kIconSize, kIconSize, 32);
  ::StretchDIBits(dc, left, top, size, size, 0, 0, kIconSize, kIconSize, pixels, &info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace vantor
