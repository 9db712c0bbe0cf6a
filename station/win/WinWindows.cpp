#include "station/win/WinWindows.h"

#include "common/win/Windows.h"

#include "common/win/Dpi.h"

namespace vantor {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND window) { return reinterpret_cast<WindowHandle>(window); }

constexpr ULONGLONG kPlaceBoundMs = 500;
constexpr UINT kAnswerBoundMs = 300;

}  // namespace

WindowHandle WinWindows::FindWindow(const std::wstring& className, const std::wstring& title) {
  return W(::FindWindowW(className.c_str(), title.c_str()));
}

WindowHandle WinWindows::DesktopWindow() { return W(::GetDesktopWindow()); }

WindowHandle WinWindows::GetWindow(WindowHandle window, WindowRelation relation) {
  return W(::GetWindow(H(window), relation == WindowRelation::Child ? GW_CHILD : GW_HWNDNEXT));
}

WindowHandle WinWindows::GetDlgItem(WindowHandle window, int id) {
  return window == 0 ? 0 : W(::GetDlgItem(H(window), id));
}

int WinWindows::ClientWidth(WindowHandle window) {
  RECT rect{};
  if (window == 0 || !::GetClientRect(H(window), &rect)) return 0;
  return rect.right;
}

std::uint32_t WinWindows::WindowProcessId(WindowHandle window) {
  DWORD process = 0;
  ::GetWindowThreadProcessId(H(window), &process);
  return process;
}

std::intptr_t WinWindows::EnterSpaceOf(WindowHandle window) {
  if (window != spaceWindow_) {
    spaceWindow_ = window;
    spaceContext_ = WindowDpi(H(window));
  }
  return reinterpret_cast<std::intptr_t>(EnterDpi(spaceContext_));
}

void WinWindows::LeaveSpace(std::intptr_t previous) { LeaveDpi(reinterpret_cast<void*>(previous)); }

// The agent's window thread may stop answering at any moment: every request to it is queued
// for that thread (ShowWindowAsync, SWP_ASYNCWINDOWPOS) and never waits for it.
void WinWindows::ShowWindow(WindowHandle window, ShowCommand command) {
  const int show[] = {SW_HIDE, SW_SHOWNORMAL, SW_MINIMIZE};
  ::ShowWindowAsync(H(window), show[static_cast<int>(command)]);
}

void WinWindows::SetWindowPos(WindowHandle window, bool topmost, ScreenPoint at) {
  const HWND hwnd = H(window);
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

void WinWindows::SizeWindow(WindowHandle window, int width, int height) {
  ::SetWindowPos(H(window), HWND_TOP, 0, 0, width, height, SWP_NOMOVE | SWP_ASYNCWINDOWPOS);
}

bool WinWindows::Answers(WindowHandle window) {
  DWORD_PTR result = 0;
  return ::SendMessageTimeoutW(H(window), WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerBoundMs,
                               &result) != 0;
}

}  // namespace vantor
