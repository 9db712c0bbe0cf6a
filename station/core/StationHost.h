// What the station needs of its host: timers, message boxes, the pop-up menu, the shell, the
// kind of system and the thread of its windows.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

enum class StationTimer { Main, Priority, DeleteUDA };

class StationHost {
 public:
  virtual ~StationHost() = default;
  // A message box with the critical-stop icon and the title "Vantor Error"; returns when closed.
  virtual void ShowError(const std::wstring& text) = 0;
  virtual void EnableTimer(StationTimer timer, bool enabled) = 0;
  virtual void SetTimerInterval(StationTimer timer, std::int32_t milliseconds) = 0;
  virtual std::int16_t GetOSKind() = 0;

  // Opens the pop-up menu at the mouse pointer; returns when it has closed. From the tray the station window first
  // becomes the foreground window and pending events run once.
  virtual void ShowPopupMenu(bool fromTray) = 0;

  // A plain message box with an OK button and the program's title.
  virtual void ShowMessage(const std::wstring& text) = 0;
  // A message box with the critical-stop icon and the program's title "Vantor".
  virtual void ShowStopMessage(const std::wstring& text) = 0;
  // Opens a file or address with the shell ("open", shown normally); false when it could not.
  virtual bool ShellOpen(const std::wstring& file) = 0;

  // Blocks this thread, the one of the windows; never called with a negative time.
  virtual void Sleep(int milliseconds) = 0;
  // Runs the pending events of this thread's windows once.
  virtual void PumpPending() = 0;

  // Ends the program after the current handler returns.
  virtual void Quit() = 0;
};

}  // namespace vantor
