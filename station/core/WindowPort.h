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
  // From here on this thread's calls on windows, the screen and the mouse work in the
  // coordinate space of `window`'s program, until LeaveSpace gets what this returned. On a
  // scaled display the system stretches a program that does not know the scaling and gives
  // every caller sizes in its own space; a platform with one space for all has nothing to do.
  virtual std::intptr_t EnterSpaceOf(WindowHandle /*window*/) { return 0; }
  virtual void LeaveSpace(std::intptr_t /*previous*/) {}
};

// The space of one window for as long as it lives.
class SpaceOf {
 public:
  SpaceOf(WindowPort& windows, WindowHandle window) : windows_(windows), previous_(windows.EnterSpaceOf(window)) {}
  SpaceOf(const SpaceOf&) = delete;
  SpaceOf& operator=(const SpaceOf&) = delete;
  ~SpaceOf() { windows_.LeaveSpace(previous_); }

 private:
  WindowPort& windows_;
  std::intptr_t previous_;
};

}  // namespace vantor
