// The agent's windows over user32: read, walked and moved.
#pragma once

#include "station/core/WindowPort.h"

namespace vantor {

class WinWindows : public WindowPort {
 public:
  WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override;
  WindowHandle DesktopWindow() override;
  WindowHandle GetWindow(WindowHandle window, WindowRelation relation) override;
  WindowHandle GetDlgItem(WindowHandle window, int id) override;
  int ClientWidth(WindowHandle window) override;
  std::uint32_t WindowProcessId(WindowHandle window) override;
  void ShowWindow(WindowHandle window, ShowCommand command) override;
  void SetWindowPos(WindowHandle window, bool topmost, ScreenPoint at) override;
  void SizeWindow(WindowHandle window, int width, int height) override;
  bool Answers(WindowHandle window) override;
  std::intptr_t EnterSpaceOf(WindowHandle window) override;
  void LeaveSpace(std::intptr_t previous) override;

 private:
  // The awareness of the window last entered: it stays what it was when the window was made.
  WindowHandle spaceWindow_ = 0;
  void* spaceContext_ = nullptr;
};

}  // namespace vantor
