#include "station/win/WinCapture.h"

#include "common/win/Dib.h"
#include "common/win/Dpi.h"
#include "common/win/Handle.h"
#include "common/win/SystemLibrary.h"
#include "station/win/PngFile.h"

namespace vantor {
namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

int Stride(int width) { return (width * 3 + 3) & ~3; }

}  // namespace

std::optional<ScreenRect> WinCapture::WindowPixels(WindowHandle window) {
  const PerMonitorDpi screenPixels;
  RECT rect{};
  if (!screenPixels.Entered() || !::GetWindowRect(Hwnd(window), &rect)) return std::nullopt;
  // From Windows 10 on the window's rectangle holds its invisible resize borders, and a copy of
  // it strips of what lies behind; the desktop window manager knows the bounds that show, in
  // the screen's own pixels.
  using GetAttribute = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
  static const auto dwmAttribute = SystemFunction<GetAttribute>(L"dwmapi.dll", "DwmGetWindowAttribute");
  constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS
  RECT shown{};
  if (dwmAttribute && SUCCEEDED(dwmAttribute(Hwnd(window), kExtendedFrameBounds, &shown, sizeof(shown))) &&
      shown.right > shown.left && shown.bottom > shown.top) {
    rect = shown;
  }
  return ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
}

ScreenResolution WinCapture::Resolution() {
  const ScreenDc screen;
  const HDC dc = screen.Get();
  return {::GetDeviceCaps(dc, DESKTOPHORZRES), ::GetDeviceCaps(dc, HORZRES), ::GetDeviceCaps(dc, DESKTOPVERTRES),
          ::GetDeviceCaps(dc, VERTRES)};
}

void WinCapture::CopyScreen(const ScreenRect& area) {
  ClearPicture();
  const int width = area.Width(), height = area.Height();
  if (width <= 0 || height <= 0) return;
  const PerMonitorDpi screenPixels;  // the area is in the screen's own pixels
  ScreenDc screen;
  const BITMAPINFO info = TopDownBitmapInfo(width, height, 24);
  void* bits = nullptr;
  OwnedBitmap bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  OwnedMemoryDc dc(::CreateCompatibleDC(screen.Get()));
  if (bitmap && dc && bits) {
    selected_.emplace(dc.Get(), bitmap.Get());
    ::BitBlt(dc.Get(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY);
    ::GdiFlush();
    dc_ = std::move(dc);
    bitmap_ = std::move(bitmap);
    bits_ = static_cast<std::uint8_t*>(bits);
    width_ = width;
    height_ = height;
  }
}

bool WinCapture::SavePicture(const std::wstring& path) {
  if (!bits_) return false;
  return WritePng(path, BgrImage{width_, height_, Stride(width_), bits_});
}

void WinCapture::ClearPicture() {
  selected_.reset();
  dc_.Reset();
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace vantor
