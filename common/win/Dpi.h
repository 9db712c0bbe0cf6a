// Display scaling on every system from Windows 7 on. The functions that only newer systems
// have (per-thread DPI awareness from Windows 10 1607, the per-DPI metrics) are looked up at
// run time, so the programs still start where they are missing.
#pragma once

#include "common/win/Windows.h"

namespace vantor {

// Makes the process aware of the system's DPI, but only where a thread can still take the
// awareness of another program's window (SetThreadDpiAwarenessContext): elsewhere the process
// stays unaware, so that the system scales what it reads of other programs' windows exactly
// as it scales theirs. Call before the first window is made.
void BecomeDpiAwareWhereThreadsCanLeaveIt();

// The DPI awareness of `window`'s own program; none where threads cannot change theirs.
void* WindowDpi(HWND window);
// From here on the calling thread measures, moves, copies and clicks in the coordinate space
// of that awareness, until LeaveDpi is given what this returned; with none, nothing changes.
void* EnterDpi(void* awareness);
void LeaveDpi(void* previous);
// From here on the calling thread works in the screen's own pixels on every monitor (per-monitor
// awareness, the second version where there is one), until LeaveDpi is given what this
// returned; none, and nothing changes, where threads cannot change their awareness.
void* EnterPerMonitorDpi();

// The calling thread in the coordinate space of an awareness for the life of this scope.
class ScopedDpi {
 public:
  explicit ScopedDpi(void* previous) : previous_(previous) {}
  ScopedDpi(const ScopedDpi&) = delete;
  ScopedDpi& operator=(const ScopedDpi&) = delete;
  ~ScopedDpi() { LeaveDpi(previous_); }
  // False where threads cannot change their awareness: nothing changed.
  bool Entered() const { return previous_ != nullptr; }

 private:
  void* previous_;
};

// The calling thread in the screen's own pixels for the life of this scope.
class PerMonitorDpi : public ScopedDpi {
 public:
  PerMonitorDpi() : ScopedDpi(EnterPerMonitorDpi()) {}
};

// The calling thread in `window`'s own awareness for the life of this scope.
class WindowsOwnDpi : public ScopedDpi {
 public:
  explicit WindowsOwnDpi(HWND window) : ScopedDpi(EnterDpi(WindowDpi(window))) {}
};

// The DPI that this process's windows are drawn for (96 for an unaware process).
int SystemDpi();

// The size of a small icon as the shell asks for it at that DPI.
int SmallIconSize();

// The DPI that `window` is drawn for: its monitor's for a window aware of each monitor's
// scaling (GetDpiForWindow, Windows 10 1607 on), the system's elsewhere.
int DpiOfWindow(HWND window);

// The size at which the notification area shows a small icon: from Windows 10 1607 on, the
// small-icon size for the DPI of the monitor that the taskbar is on (the primary one while
// there is no taskbar); before that, as SmallIconSize.
int TraySmallIconSize();

}  // namespace vantor
