// Windows of other programs (the agent's) as the station reads, walks and moves them.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

using WindowHandle = std::uintptr_t;

enum class WindowRelation { Child, Next };
enum class ShowCommand { Hide, ShowNormal, Minimize };

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

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
  virtual void ShowWindow(WindowHandle window, ShowCommand command) = 0;
  // Moves the window's top-left corner to `at` without changing its size, and makes it
  // topmost or not topmost.
  virtual void SetWindowPos(WindowHandle window, bool topmost, ScreenPoint at) = 0;
  // Gives the window a size at its place, on top of its siblings.
  virtual void SizeWindow(WindowHandle window, int width, int height) = 0;
  // None of the calls above waits on the window's thread (the move is watched from outside
  // for a bounded time). This one asks the thread, for a short bound: false when it did not
  // answer in time (it hangs) or the window is gone.
  virtual bool Answers(WindowHandle window) = 0;
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
