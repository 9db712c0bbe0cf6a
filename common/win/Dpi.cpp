#include "common/win/Dpi.h"

#include <initializer_list>

#include "common/win/Handle.h"
#include "common/win/SystemLibrary.h"

namespace vantor {
namespace {

using DpiContext = void*;
const DpiContext kSystemAware = reinterpret_cast<DpiContext>(static_cast<INT_PTR>(-2));

struct DpiFunctions {
  DpiContext(WINAPI* setThreadContext)(DpiContext) = nullptr;
  DpiContext(WINAPI* windowContext)(HWND) = nullptr;
  BOOL(WINAPI* setProcessContext)(DpiContext) = nullptr;
  BOOL(WINAPI* setProcessAware)() = nullptr;
  UINT(WINAPI* dpiForSystem)() = nullptr;
  int(WINAPI* metricsForDpi)(int, UINT) = nullptr;
  UINT(WINAPI* dpiForWindow)(HWND) = nullptr;
};

template <typename F>
void Find(HMODULE module, const char* name, F& function) {
  function = reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

const DpiFunctions& Functions() {
  static const DpiFunctions functions = [] {
    DpiFunctions f;
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (!user32) return f;
    Find(user32, "SetThreadDpiAwarenessContext", f.setThreadContext);
    Find(user32, "GetWindowDpiAwarenessContext", f.windowContext);
    Find(user32, "SetProcessDpiAwarenessContext", f.setProcessContext);
    Find(user32, "SetProcessDPIAware", f.setProcessAware);
    Find(user32, "GetDpiForSystem", f.dpiForSystem);
    Find(user32, "GetSystemMetricsForDpi", f.metricsForDpi);
    Find(user32, "GetDpiForWindow", f.dpiForWindow);
    return f;
  }();
  return functions;
}

bool ThreadsCanChangeAwareness() {
  const DpiFunctions& f = Functions();
  return f.setThreadContext != nullptr && f.windowContext != nullptr;
}

}  // namespace

void BecomeDpiAwareWhereThreadsCanLeaveIt() {
  if (!ThreadsCanChangeAwareness()) return;
  const DpiFunctions& f = Functions();
  if (f.setProcessContext && f.setProcessContext(kSystemAware)) return;
  if (f.setProcessAware) f.setProcessAware();
}

void* WindowDpi(HWND window) {
  if (!ThreadsCanChangeAwareness() || !window) return nullptr;
  return Functions().windowContext(window);
}

void* EnterDpi(void* awareness) { return awareness ? Functions().setThreadContext(awareness) : nullptr; }

void* EnterPerMonitorDpi() {
  if (!ThreadsCanChangeAwareness()) return nullptr;
  for (INT_PTR context : {-4, -3}) {  // per monitor, version 2 (Windows 10 1703) and version 1
    if (void* previous = Functions().setThreadContext(reinterpret_cast<DpiContext>(context))) return previous;
  }
  return nullptr;
}

void LeaveDpi(void* previous) {
  if (previous) Functions().setThreadContext(previous);
}

int SystemDpi() {
  const DpiFunctions& f = Functions();
  if (f.dpiForSystem) return static_cast<int>(f.dpiForSystem());
  const ScreenDc screen;
  const int dpi = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
  return dpi > 0 ? dpi : 96;
}

int SmallIconSize() {
  const DpiFunctions& f = Functions();
  const int size = f.metricsForDpi ? f.metricsForDpi(SM_CXSMICON, static_cast<UINT>(SystemDpi()))
                                   : ::GetSystemMetrics(SM_CXSMICON);
  return size > 0 ? size : 16;
}

int DpiOfWindow(HWND window) {
  const DpiFunctions& f = Functions();
  const int dpi = f.dpiForWindow && window ? static_cast<int>(f.dpiForWindow(window)) : 0;
  return dpi > 0 ? dpi : SystemDpi();
}

int TraySmallIconSize() {
  const DpiFunctions& f = Functions();
  using MonitorDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);  // Windows 8.1 on
  static const auto monitorDpi = SystemFunction<MonitorDpi>(L"shcore.dll", "GetDpiForMonitor");
  if (!f.metricsForDpi || !monitorDpi) return SmallIconSize();
  // The monitor's own DPI is what a thread aware of each monitor's scaling is told.
  const PerMonitorDpi screenPixels;
  if (!screenPixels.Entered()) return SmallIconSize();
  const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
  const HMONITOR monitor = taskbar ? ::MonitorFromWindow(taskbar, MONITOR_DEFAULTTOPRIMARY)
                                   : ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  UINT dpiX = 0, dpiY = 0;
  if (FAILED(monitorDpi(monitor, 0 /* MDT_EFFECTIVE_DPI */, &dpiX, &dpiY)) || dpiX == 0) return SmallIconSize();
  const int size = f.metricsForDpi(SM_CXSMICON, dpiX);
  return size > 0 ? size : SmallIconSize();
}

}  // namespace vantor
