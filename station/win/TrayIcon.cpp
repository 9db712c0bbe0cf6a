#include "station/win/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

#include "common/core/Canvas.h"
#include "common/win/Dib.h"
#include "common/win/Dpi.h"
#include "common/win/Handle.h"
#include "common/win/WindowProcedure.h"

namespace vantor {
namespace {

constexpr wchar_t kTrayClass[] = L"VantorTrayIcon";
constexpr UINT_PTR kRetryTimer = 1;
constexpr int kMaxAddRetries = 120;  // two minutes, once a second

template <std::size_t N>
void CopyCut(wchar_t (&field)[N], const std::wstring& text, std::size_t limit = N - 1) {
  const std::size_t n = std::min({text.size(), limit, N - 1});
  std::copy_n(text.data(), n, field);
  field[n] = L'\0';
}

// The pixels of one of an icon's bitmaps, 32 bits each, top row first.
std::vector<std::uint32_t> PixelsOf(HDC dc, HBITMAP bitmap, int size) {
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size));
  BITMAPINFO info = TopDownBitmapInfo(size, size, 32);
  if (::GetDIBits(dc, bitmap, 0, static_cast<UINT>(size), pixels.data(), &info, DIB_RGB_COLORS) != size) return {};
  return pixels;
}

// The icon at `size` pixels, its colours and its mask scaled by whole pixels; none on failure.
OwnedIcon ScaledIcon(HICON icon, int from, int size) {
  ICONINFO info{};
  if (!::GetIconInfo(icon, &info)) return OwnedIcon();
  const OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);
  const ScreenDc screen;
  if (!colour || !mask || !screen.Get()) return OwnedIcon();
  const std::vector<std::uint32_t> colours = PixelsOf(screen.Get(), colour.Get(), from);
  const std::vector<std::uint32_t> masks = PixelsOf(screen.Get(), mask.Get(), from);
  if (colours.empty() || masks.empty()) return OwnedIcon();
  const std::vector<std::uint32_t> bigColours = ScaleByWholePixels(colours, from, size);
  const std::vector<std::uint32_t> bigMasks = ScaleByWholePixels(masks, from, size);
  const BITMAPINFO big = TopDownBitmapInfo(size, size, 32);
  OwnedBitmap newColour(::CreateCompatibleBitmap(screen.Get(), size, size));
  OwnedBitmap newMask(::CreateBitmap(size, size, 1, 1, nullptr));
  if (!newColour || !newMask ||
      !::SetDIBits(screen.Get(), newColour.Get(), 0, static_cast<UINT>(size), bigColours.data(), &big, DIB_RGB_COLORS) ||
      !::SetDIBits(screen.Get(), newMask.Get(), 0, static_cast<UINT>(size), bigMasks.data(), &big, DIB_RGB_COLORS)) {
    return OwnedIcon();
  }
  ICONINFO scaled{TRUE, 0, 0, newMask.Get(), newColour.Get()};
  return OwnedIcon(::CreateIconIndirect(&scaled));  // copies both bitmaps
}

}  // namespace

TrayIcon::TrayIcon(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WindowProcedure<TrayIcon, &TrayIcon::HandleMessage>;
  wc.hInstance = instance;
  wc.lpszClassName = kTrayClass;
  ::RegisterClassExW(&wc);
  taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  // A hidden top-level window: it receives the tray callbacks and the TaskbarCreated broadcast.
  hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kTrayClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
}

TrayIcon::~TrayIcon() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

LRESULT TrayIcon::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kTrayCallbackMessage && wParam == kTrayIconId) {
    if (events_.mouse) events_.mouse(static_cast<int>(LOWORD(lParam)));
    return 0;
  }
  if (message == taskbarCreated_ && taskbarCreated_ != 0) {
    if (events_.taskbarCreated) events_.taskbarCreated();
    return 0;
  }
  if (message == WM_TIMER && wParam == kRetryTimer) {
    if (!pendingAdd_ || Notify(NotifyMode::Add, *pendingAdd_) || ++addRetries_ >= kMaxAddRetries) {
      ::KillTimer(hwnd_, kRetryTimer);
      pendingAdd_.reset();
    }
    return 0;
  }
  if (message == WM_DESTROY) {
    hwnd_ = nullptr;
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

bool TrayIcon::PublishIcon(const IcoBytes& bytes) {
  // The file's one image as the file holds it, read as the system reads an icon file's image.
  IcoBytes image = bytes;
  OwnedIcon icon(::CreateIconFromResourceEx(image.data() + kIcoImageOffset, kIcoImageSize, TRUE, 0x00030000,
                                            kIconSize, kIconSize, LR_DEFAULTCOLOR));
  if (!icon) return false;
  // On a scaled display the shell shows a larger small icon: give it one, sharp, not stretched.
  const int size = SmallIconSize();
  if (size > kIconSize) {
    if (OwnedIcon scaled = ScaledIcon(icon.Get(), kIconSize, size)) icon = std::move(scaled);
  }
  // The shell keeps its own copy of an icon it was given, so the old one can go.
  icon_ = std::move(icon);
  return true;
}

bool TrayIcon::Notify(NotifyMode mode, const NotifyRecord& record) {
  NOTIFYICONDATAW data{};
  data.cbSize = record.extended ? sizeof(NOTIFYICONDATAW) : NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = record.window ? reinterpret_cast<HWND>(record.window) : hwnd_;
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = record.callbackMessage;
  data.hIcon = record.withIcon ? icon_.Get() : nullptr;
  CopyCut(data.szTip, record.tip, record.extended ? 127 : 63);
  if (record.extended) {
    data.dwState = NIS_SHAREDICON;
    data.dwStateMask = 0;
    CopyCut(data.szInfo, record.info);
    data.uTimeout = record.timeout;
    CopyCut(data.szInfoTitle, record.infoTitle);
    data.dwInfoFlags = record.infoFlags | NIIF_RESPECT_QUIET_TIME;
  }
  const DWORD message = mode == NotifyMode::Add ? NIM_ADD : mode == NotifyMode::Modify ? NIM_MODIFY : NIM_DELETE;
  return ::Shell_NotifyIconW(message, &data) != FALSE;
}

bool TrayIcon::NotifyIcon(NotifyMode mode, const NotifyRecord& record) {
  const bool ok = Notify(mode, record);
  if (record.window == 0) {
    if (mode == NotifyMode::Add && !ok && hwnd_) {
      pendingAdd_ = record;
      addRetries_ = 0;
      ::SetTimer(hwnd_, kRetryTimer, 1000, nullptr);
    } else if ((mode == NotifyMode::Delete || mode == NotifyMode::Add) && pendingAdd_) {
      // Deleted, or added by another call (the shell announced itself): no more retries.
      pendingAdd_.reset();
      ::KillTimer(hwnd_, kRetryTimer);
    }
  }
  return ok;
}


}  // namespace vantor
