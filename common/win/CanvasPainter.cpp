#include "common/win/CanvasPainter.h"

#include "common/win/Dib.h"

namespace vantor {

void PaintCanvas(HDC dc, const Canvas& canvas, int left, int top, int size) {
  if (size <= 0) return;
  std::vector<std::uint32_t> pixels = ScaleCanvas(canvas, size);
  for (std::uint32_t& p : pixels) p = SwapRedAndBlue(p);
  const BITMAPINFO info = TopDownBitmapInfo(size, size, 32);
  ::SetDIBitsToDevice(dc, left, top, static_cast<DWORD>(size), static_cast<DWORD>(size), 0, 0, 0,
                      static_cast<UINT>(size), pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace vantor
