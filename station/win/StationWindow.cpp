#include "station/win/StationWindow.h"

#include <commctrl.h>

#include "common/win/CanvasPainter.h"
#include "common/win/Dpi.h"
#include "common/win/MessagePump.h"
#include "common/win/ShellOpen.h"
#include "common/win/StringTable.h"
#include "common/win/WinPlatform.h"
#include "common/win/WindowProcedure.h"
#include "resources/vantor_ids.h"
#include "station/win/PopupMenu.h"

namespace vantor {
namespace {

// 240 twips square at the window's own DPI: 16 pixels at 96 DPI, 24 at 144, 32 at 192.
int IconWindowSize(HWND window) { return ::MulDiv(240, window ? DpiOfWindow(window) : SystemDpi(), 1440); }

TimeLeftTexts TimeLeftTextsOf(HINSTANCE instance) {
  return {LoadText(instance, IDS_TIMELEFT_CALCULATING), LoadText(instance, IDS_TIMELEFT_MINUTES),
          LoadText(instance, IDS_TIMELEFT_HOURS), LoadText(instance, IDS_TIMELEFT_DAYS),
          LoadText(instance, IDS_TIMELEFT_STALLED)};
}

RecordTexts RecordTextsOf(HINSTANCE instance) {
  return {LoadText(instance, IDS_RECORD_NOT_WRITTEN), LoadText(instance, IDS_RECORD_READ_ONLY),
          LoadText(instance, IDS_RECORD_DENIED),      LoadText(instance, IDS_RECORD_DISK_FULL),
          LoadText(instance, IDS_RECORD_OTHER),       LoadText(instance, IDS_RECORD_DROPPED)};
}

UINT_PTR TimerId(StationTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

}  // namespace

StationWindow::StationWindow(HINSTANCE instance, const StationAdapters& a)
    : instance_(instance),
      tray_(instance),
      station_(std::make_unique<Station>(StationPorts{
          a.windows, a.input, a.screen, a.clock, tray_, a.iconFile, a.pictures, a.files, a.profile, *this, *this, a.processes,
          a.sound, a.links, a.priorities, a.folder,
          NamingFolder(LoadText(instance, IDS_FOLDER_NOT_WRITABLE), a.folder), a.history,
          UnitLogTexts{TimeLeftTextsOf(instance), RecordTextsOf(instance)}})) {
  tray_.SetEvents({[this](int message) { Guarded([&] { station_->picIcon_MouseMove(message); }); },
                   [this] { Guarded([&] { station_->OnTaskbarCreated(); }); }});
  timers_[StationTimer::Main] = {false, 1000};
  timers_[StationTimer::Priority] = {false, 1000};
  timers_[StationTimer::DeleteUDA] = {false, 5000};
}

StationWindow::~StationWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

bool StationWindow::Create() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &WindowProcedure<StationWindow, &StationWindow::HandleMessage>;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kStationClass;
  ::RegisterClassExW(&wc);
  {
    // The icon window draws itself for the monitor it is on, and follows a change of its
    // scaling (WM_DPICHANGED); everything else runs in the process's own awareness (Run).
    const PerMonitorDpi perMonitor;
    const int size = IconWindowSize(nullptr);
    hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kStationClass, L"Vantor", WS_POPUP, 0, 0, size,
                              size, nullptr, nullptr, instance_, this);
  }
  if (!hwnd_) return false;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&controls);
  tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, instance_,
                               nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = const_cast<wchar_t*>(L"Vantor");
  ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);  // several lines
  // The start-up enables the sampling timer once it is done, before it tells what went wrong:
  // no tick runs inside start-up, and the ticks go on while its message waits.
  Run([&] { station_->Form_Load(); });
  EnableTimer(StationTimer::Main, true);  // also where start-up ended by an exception of no known kind
  return true;
}

LRESULT StationWindow::HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      Run([&] { station_->picPercent_MouseDown(kLeftButton); });
      // The drag's loop takes the button's release, so its end is this button's mouse-up.
      Run([&] { station_->picPercent_MouseUp(); });
      return 0;
    case WM_RBUTTONDOWN:
      Run([&] { station_->picPercent_MouseDown(kRightButton); });
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      Run([&] { station_->picPercent_MouseUp(); });
      return 0;
    case WM_XBUTTONUP:
      Run([&] { station_->picPercent_MouseUp(); });
      return TRUE;  // handled, as the extra buttons' messages want it said
    case WM_DISPLAYCHANGE:
      Run([&] { station_->OnDisplayChange(); });
      return 0;
    case WM_SETTINGCHANGE:
      Run([&] { station_->OnScalingChanged(); });
      return 0;
    case WM_DPICHANGED: {
      // The window moved to a monitor of another scaling, or its scaling changed: it takes the
      // size and place the system suggests, in the new DPI's pixels, and a face of that size.
      const RECT& to = *reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(hwnd_, nullptr, to.left, to.top, to.right - to.left, to.bottom - to.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      Run([&] { station_->OnScalingChanged(); });
      return 0;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == 0 && lParam == 0) Run([&] { RunMenuCommand(LOWORD(wParam)); });
      return 0;
    case WM_CLOSE:
      Run([&] { station_->ExitVantor(); });
      return 0;
    case WM_ENDSESSION:
      if (wParam) Run([&] { station_->OnSessionEnd(); });
      return 0;
    case WM_DESTROY:
      hwnd_ = nullptr;
      return 0;
    default:
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void StationWindow::OnTimer(UINT_PTR id) {
  if (id == TimerId(StationTimer::Main)) Run([&] { station_->timMain_Timer(); });
  if (id == TimerId(StationTimer::Priority)) Run([&] { station_->timPriority_Timer(); });
  if (id == TimerId(StationTimer::DeleteUDA)) Run([&] { station_->timDeleteUDA_Timer(); });
}

void StationWindow::Paint() {
  const PerMonitorDpi screenPixels;
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hwnd_, &ps);
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  PaintCanvas(dc, canvas_, 0, 0, client.right);
  ::EndPaint(hwnd_, &ps);
}

int StationWindow::FaceSize() {
  const PerMonitorDpi screenPixels;
  RECT client{};
  ::GetClientRect(hwnd_, &client);
  return client.right;
}

void StationWindow::ShowCanvas(const Canvas& canvas) {
  canvas_ = canvas;
  ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void StationWindow::SetIconWindowTip(const std::wstring& text) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  tool.lpszText = const_cast<wchar_t*>(text.c_str());
  ::SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void StationWindow::DragWindow() {
  ::ReleaseCapture();
  ::SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);  // returns when the drag has ended
}

void StationWindow::ShowPopupMenu(bool fromTray) {
  if (fromTray) {
    ::SetForegroundWindow(hwnd_);
    PumpPending();
  }
  std::vector<std::wstring> titles;
  const LinkList& links = station_->MenuLinks();
  for (int i = 1; i < links.LinkCount(); ++i) titles.push_back(links.Entry(i).Title);
  OwnedMenu menu = BuildPopupMenu(instance_, station_->Menu(), titles);
  POINT at{};
  ::GetCursorPos(&at);
  // The chosen entry arrives as WM_COMMAND, like any menu command.
  ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd_, nullptr);
  ::PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void StationWindow::RunMenuCommand(UINT command) {
  Station& s = *station_;
  if (command > kCmdLinkBase) {
    s.JumptoURL(static_cast<std::int16_t>(command - kCmdLinkBase));
    return;
  }
  switch (command) {
    case kCmdShowWindow: s.ShowIconWindow(); break;
    case kCmdShowIcon: s.ShowIconTaskTray(); break;
    case kCmdShowUDA: s.ShowUDAWindow(); break;
    case kCmdUDAShowIcon: s.ShowUDAIcon(); break;
    case kCmdUDAHideIcon: s.HideUDAIcon(); break;
    case kCmdUDAHideAlways: s.AlwaysHideUDAIcon(); break;
    case kCmdCaptureCPU: s.CCaptureCPU(); break;
    case kCmdCaptureMOL: s.CCaptureMOL(); break;
    case kCmdAlarm: s.mnuAlarm_Click(); break;
    case kCmdMute: s.SetMute(); break;
    case kCmdSetting: s.ShowSetting(); break;
    case kCmdVersion:
      ::MessageBoxW(hwnd_, LoadText(instance_, IDS_VERSION_TEXT).c_str(), L"Vantor", MB_OK | MB_ICONINFORMATION);
      break;
    case kCmdExit: s.ExitVantor(); break;
    default: break;
  }
}

void StationWindow::ShowStopMessage(const std::wstring& text) {
  ::MessageBoxW(hwnd_, text.c_str(), L"Vantor", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

bool StationWindow::ShellOpen(const std::wstring& file) { return vantor::ShellOpen(hwnd_, file); }

void StationWindow::ShowMessage(const std::wstring& text) {
  ::MessageBoxW(hwnd_, text.c_str(), L"Vantor", MB_OK | MB_SETFOREGROUND);
}

void StationWindow::Sleep(int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds)); }

void StationWindow::PumpPending() { vantor::PumpPending(); }

void StationWindow::ShowError(const std::wstring& text) {
  ::MessageBoxW(hwnd_, text.c_str(), L"Vantor Error", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void StationWindow::EnableTimer(StationTimer timer, bool enabled) {
  TimerState& state = timers_[timer];
  if (state.enabled == enabled) return;  // enabling a running timer does not restart it
  state.enabled = enabled;
  if (!hwnd_) return;
  if (enabled) {
    ::SetTimer(hwnd_, TimerId(timer), static_cast<UINT>(state.interval), nullptr);
  } else {
    ::KillTimer(hwnd_, TimerId(timer));
  }
}

void StationWindow::SetTimerInterval(StationTimer timer, std::int32_t milliseconds) {
  TimerState& state = timers_[timer];
  if (milliseconds < 1) milliseconds = 1;
  if (state.interval == milliseconds) return;
  state.interval = milliseconds;
  if (state.enabled && hwnd_) ::SetTimer(hwnd_, TimerId(timer), static_cast<UINT>(milliseconds), nullptr);
}

std::int16_t StationWindow::GetOSKind() { return vantor::GetOSKind(); }

void StationWindow::SetWindowTop(int mode) {
  if (mode != 0 && mode != 1) return;
  ::SetWindowPos(hwnd_, mode == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE);
}

void StationWindow::SizeAndHide() {
  const PerMonitorDpi screenPixels;
  const int size = IconWindowSize(hwnd_);
  ::SetWindowPos(hwnd_, nullptr, 0, 0, size, size, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(hwnd_, SW_HIDE);
}

void StationWindow::MoveWindowTo(std::int32_t left, std::int32_t top) {
  ::SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StationWindow::ShowWindow(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOWNOACTIVATE : SW_HIDE); }

RECT StationWindow::WindowRect() const {
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  return rect;
}

std::int32_t StationWindow::WindowLeft() { return WindowRect().left; }

std::int32_t StationWindow::WindowTop() { return WindowRect().top; }

std::int32_t StationWindow::WindowWidth() {
  const RECT rect = WindowRect();
  return rect.right - rect.left;
}

std::int32_t StationWindow::WindowHeight() {
  const RECT rect = WindowRect();
  return rect.bottom - rect.top;
}

// The system's DPI where the process knows it; where the system scales the process, its
// coordinates are those of 96 DPI and so is the answer.
int StationWindow::ScreenDpi() { return SystemDpi(); }

std::vector<MonitorArea> StationWindow::Monitors() {
  std::vector<MonitorArea> monitors;
  const auto add = [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
      const auto rect = [](const RECT& r) { return ScreenRect{r.left, r.top, r.right, r.bottom}; };
      reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back({rect(info.rcMonitor), rect(info.rcWork)});
    }
    return TRUE;
  };
  ::EnumDisplayMonitors(nullptr, nullptr, add, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

void StationWindow::Quit() {
  ::DestroyWindow(tooltip_);
  for (auto& [timer, state] : timers_) EnableTimer(timer, false);
  ::PostQuitMessage(0);
}

}  // namespace vantor
