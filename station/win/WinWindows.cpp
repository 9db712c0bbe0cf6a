#include "station/win/WinWindows.h"

#include "common/win/Windows.h"

#include "common/win/Dpi.h"

namespace vantor {
namespace {

HWND H(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle W(HWND window) { return reinterpret_cast<WindowHandle>(window); }

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

}  // namespace vantor
