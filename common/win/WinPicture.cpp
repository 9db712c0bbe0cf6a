#include "common/win/WinPicture.h"

#include <vector>

#include "common/win/Dib.h"
#include "common/win/Handle.h"

namespace vantor {

std::optional<Picture> LoadBitmapPicture(const std::wstring& path) {
  if (path.empty()) return std::nullopt;
  OwnedBitmap bitmap(static_cast<HBITMAP>(
      ::LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) return std::nullopt;
  BITMAP info{};
  if (!::GetObjectW(bitmap.Get(), sizeof(info), &info) || info.bmWidth <= 0 || info.bmHeight == 0) {
    return std::nullopt;
  }
  const int width = info.bmWidth;
  const int height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
  BITMAPINFO request = TopDownBitmapInfo(width, height, 32);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  const ScreenDc screen;
  if (::GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(height), pixels.data(), &request,
                  DIB_RGB_COLORS) != height) {
    return std::nullopt;
  }
  for (auto& p : pixels) p = SwapRedAndBlue(p);
  return Picture(width, height, std::move(pixels));
}

}  // namespace vantor
