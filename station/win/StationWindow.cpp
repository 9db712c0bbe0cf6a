#include "station/win/StationWindow.h"

#include "common/win/WinPlatform.h"

namespace vantor {
namespace {

UINT_PTR TimerId(StationTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }

// Runs a handler so that no exception crosses into Windows.
template <typename F>
void Guarded(F&& f) {
  try {
    f();
  } catch (...) {
  }
}

}  // namespace

StationWindow::StationWindow(HINSTANCE instance, WindowPort& windows, FilePort& files, ProfilePort& profile,
                             const std::wstring& folder)
    : instance_(instance), station_(std::make_unique<Station>(StationPorts{windows, files, profile, *this, folder})) {
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
  wc.lpfnWndProc = &StationWindow::Trampoline;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kStationClass;
  ::RegisterClassExW(&wc);
  hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kStationClass, L"Vantor", WS_POPUP, 0, 0, 16, 16,
                            nullptr, nullptr, instance_, this);
  if (!hwnd_) return false;
  EnableTimer(StationTimer::Main, true);
  Guarded([&] { station_->Form_Load(); });
  return true;
}

LRESULT CALLBACK StationWindow::Trampoline(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<StationWindow*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<StationWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    result = 0;
  }
  return result;
}

LRESULT StationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    case WM_CLOSE:
      Guarded([&] { station_->ExitVantor(); });
      return 0;
    case WM_DESTROY:
      ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      return 0;
    default:
      return ::DefWindowProcW(hwnd_, message, wParam, lParam);
  }
}

void StationWindow::OnTimer(UINT_PTR id) {
  if (id == TimerId(StationTimer::Main)) Guarded([&] { station_->timMain_Timer(); });
  if (id == TimerId(StationTimer::Priority)) Guarded([&] { station_->timPriority_Timer(); });
  if (id == TimerId(StationTimer::DeleteUDA)) Guarded([&] { station_->timDeleteUDA_Timer(); });
}

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
  ::SetWindowPos(hwnd_, nullptr, 0, 0, 16, 16, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(hwnd_, SW_HIDE);
}

void StationWindow::MoveWindowTo(std::int32_t left, std::int32_t top) {
  ::SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StationWindow::ShowWindow(bool visible) { ::ShowWindow(hwnd_, visible ? SW_SHOWNOACTIVATE : SW_HIDE); }

std::int32_t StationWindow::WindowLeft() {
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  return rect.left;
}

std::int32_t StationWindow::WindowTop() {
  RECT rect{};
  ::GetWindowRect(hwnd_, &rect);
  return rect.top;
}

void StationWindow::Quit() {
  for (auto& [timer, state] : timers_) EnableTimer(timer, false);
  ::PostQuitMessage(0);
}

}  // namespace vantor
