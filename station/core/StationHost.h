// What the station needs of its own window, timers and message boxes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/Canvas.h"
#include "common/core/Ports.h"
#include "station/core/IconWindowPlace.h"

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

  // The icon window, which is the station form itself.
  virtual void SetWindowTop(int mode) = 0;  // 0 not topmost, 1 topmost, other: nothing
  virtual void SizeAndHide() = 0;           // 16 x 16 pixels, hidden
  virtual void MoveWindowTo(std::int32_t left, std::int32_t top) = 0;
  virtual void ShowWindow(bool visible) = 0;
  virtual std::int32_t WindowLeft() = 0;
  virtual std::int32_t WindowTop() = 0;
  virtual std::int32_t WindowWidth() = 0;
  virtual std::int32_t WindowHeight() = 0;
  // The dots per inch of the screen pixels that the calls above and Monitors() work in.
  virtual int ScreenDpi() = 0;
  // The monitors of the desktop as they are now.
  virtual std::vector<MonitorArea> Monitors() = 0;

  // The face of the icon window and its tooltip.
  virtual void ShowCanvas(const Canvas& canvas) = 0;
  virtual void SetIconWindowTip(const std::wstring& text) = 0;
  // Lets the window manager drag the icon window; returns when the drag has ended.
  virtual void DragWindow() = 0;
  // Opens the pop-up menu at the mouse pointer; returns when it has closed. From the tray the station window first
  // becomes the foreground window and pending events run once.
  virtual void ShowPopupMenu(bool fromTray) = 0;

  // A plain message box with an OK button and the program's title.
  virtual void ShowMessage(const std::wstring& text) = 0;
  // A message box with the critical-stop icon and the program's title "Vantor".
  virtual void ShowStopMessage(const std::wstring& text) = 0;
  // Opens a file or address with the shell ("open", shown normally); false when it could not.
  virtual bool ShellOpen(const std::wstring& file) = 0;
  // A modification time in the system's general date-and-time format.
  virtual std::wstring DateTimeText(FileStamp stamp) = 0;

  // Ends the program after the current handler returns.
  virtual void Quit() = 0;
};

}  // namespace vantor
