#include "station/win/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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

// An icon of the face at its own size that hides nothing and shows nothing through: every
// colour pixel fully opaque, and a mask that keeps no pixel of what lies behind.
OwnedIcon OpaqueIcon(const Canvas& face) {
  const int size = face.Size();
  const ScreenDc screen;
  if (!screen.Get()) return OwnedIcon();
  const BITMAPINFO info = TopDownBitmapInfo(size, size, 32);
  void* bits = nullptr;
  OwnedBitmap colour(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  // Rows of a one-bit bitmap are whole 16-bit words.
  const std::vector<std::uint8_t> keepNothing(static_cast<std::size_t>((size + 15) / 16 * 2 * size), 0);
  OwnedBitmap mask(::CreateBitmap(size, size, 1, 1, keepNothing.data()));
  if (!colour || !bits || !mask) return OwnedIcon();
  auto* pixel = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) *pixel++ = 0xFF000000u | SwapRedAndBlue(face.Pixel(x, y));
  }
  ICONINFO icon{TRUE, 0, 0, mask.Get(), colour.Get()};
  return OwnedIcon(::CreateIconIndirect(&icon));  // copies both bitmaps
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

int TrayIcon::IconSize() { return TraySmallIconSize(); }

bool TrayIcon::PublishIcon(const Canvas& face) {
  OwnedIcon icon = OpaqueIcon(face);
  if (!icon) return false;
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
