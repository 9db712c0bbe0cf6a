// Windows of other programs as the station reads and moves them.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

using WindowHandle = std::uintptr_t;

enum class WindowRelation { Child, Next };

class WindowPort {
 public:
  virtual ~WindowPort() = default;
  virtual WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) = 0;
  virtual WindowHandle DesktopWindow() = 0;
  // GetWindow with GW_CHILD or GW_HWNDNEXT; 0 when there is none.
  virtual WindowHandle GetWindow(WindowHandle window, WindowRelation relation) = 0;
  virtual WindowHandle GetDlgItem(WindowHandle window, int id) = 0;
  // The right edge of the client rectangle; 0 when the call fails (a 0 handle included).
  virtual int ClientWidth(WindowHandle window) = 0;
  virtual std::uint32_t WindowProcessId(WindowHandle window) = 0;
};

}  // namespace vantor
