#include "station/win/WinCapture.h"

#include "common/win/Dib.h"
#include "common/win/Dpi.h"
#include "common/win/Handle.h"
#include "common/win/MessagePump.h"
#include "common/win/SystemLibrary.h"
#include "station/win/PngFile.h"

namespace vantor {
namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

int Stride(int width) { return (width * 3 + 3) & ~3; }

constexpr ULONGLONG kPlaceBoundMs = 500;
constexpr UINT kAnswerBoundMs = 300;

}  // namespace

// The agent's window thread may stop answering at any moment: every request to it is queued
// for that thread (ShowWindowAsync, SWP_ASYNCWINDOWPOS) and never waits for it.
void WinCapture::ShowWindow(WindowHandle window, ShowCommand command) {
  const int show[] = {SW_HIDE, SW_SHOWNORMAL, SW_MINIMIZE};
  ::ShowWindowAsync(Hwnd(window), show[static_cast<int>(command)]);
}

void WinCapture::SetWindowPos(WindowHandle window, bool topmost, ScreenPoint at) {
  const HWND hwnd = Hwnd(window);
  ::SetWindowPos(hwnd, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
  // What follows (a copy of the screen, a click) needs the window in its place: watch for it
  // from outside, for a bounded time.
  const auto placed = [&] {
    RECT rect{};
    const bool isTopmost = (::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    return ::GetWindowRect(hwnd, &rect) && rect.left == at.x && rect.top == at.y && isTopmost == topmost;
  };
  const ULONGLONG until = ::GetTickCount64() + kPlaceBoundMs;
  while (::IsWindow(hwnd) && !placed() && ::GetTickCount64() < until) ::Sleep(5);
}

void WinCapture::SizeWindow(WindowHandle window, int width, int height) {
  ::SetWindowPos(Hwnd(window), HWND_TOP, 0, 0, width, height, SWP_NOMOVE | SWP_ASYNCWINDOWPOS);
}

bool WinCapture::Answers(WindowHandle window) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(Hwnd(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerBoundMs,
                               &result) != 0;
}

void WinCapture::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds)); }

void WinCapture::DoEvents() { PumpPending(); }

ScreenPoint WinCapture::GetCursorPos() {
  POINT point{};
  ::GetCursorPos(&point);
  return {point.x, point.y};
}

void WinCapture::SetCursorPos(ScreenPoint point) { ::SetCursorPos(point.x, point.y); }

void WinCapture::MouseEvent(MouseAction action) {
  ::mouse_event(action == MouseAction::LeftDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

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

LocalTime WinCapture::Now() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

}  // namespace vantor
