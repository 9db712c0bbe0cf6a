// What the captures need of the platform: the agent's window, the mouse, the wait, the
// screen copy into an off-screen picture, the PNG file and the local clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/core/LocalTime.h"
#include "station/core/ScreenRect.h"
#include "station/core/WindowPort.h"

namespace vantor {

enum class ShowCommand { Hide, ShowNormal, Minimize };
enum class MouseAction { LeftDown, LeftUp };

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

// The screen's own size against the size this process is told of it: equal where the system
// scales nothing of this process.
struct ScreenResolution {
  int physicalWidth = 0, toldWidth = 0, physicalHeight = 0, toldHeight = 0;
};

// The screen's pixels that show the agent's window. Where the system can tell the window's
// rectangle in the screen's own pixels (`window`, read in a thread aware of every monitor's
// DPI), exactly that, on whatever monitor and at whatever scaling it is now. Else (a process
// left unaware, Windows 7 to 10 1511) the `width` x `height` of this process's pixels at the
// origin, which cover more of the screen by the ratio of the resolutions.
ScreenRect CaptureArea(const std::optional<ScreenRect>& window, const ScreenResolution& screen, int width, int height);

class CapturePort {
 public:
  virtual ~CapturePort() = default;
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
  // Blocks the user-interface thread; never called with a negative time.
  virtual void Sleep(int milliseconds) = 0;
  // Runs the pending user-interface events once.
  virtual void DoEvents() = 0;
  virtual ScreenPoint GetCursorPos() = 0;
  virtual void SetCursorPos(ScreenPoint point) = 0;
  virtual void MouseEvent(MouseAction action) = 0;
  // The window's rectangle in the screen's own pixels, read by a thread aware of each
  // monitor's DPI, less the invisible resize borders where the desktop window manager tells
  // the bounds that show; nothing where threads cannot take that awareness (before Windows 10
  // 1607).
  virtual std::optional<ScreenRect> WindowPixels(WindowHandle window) = 0;
  // The screen's resolution against the one this process is told.
  virtual ScreenResolution Resolution() = 0;
  // Copies `area` of the screen's own pixels into the off-screen picture: every pixel that the
  // user sees there (1137 x 771 for the agent's window at 150 %).
  virtual void CopyScreen(const ScreenRect& area) = 0;
  // Writes the off-screen picture as a PNG file; false when it could not be written.
  virtual bool SavePicture(const std::wstring& path) = 0;
  virtual void ClearPicture() = 0;
  virtual LocalTime Now() = 0;
};

// The capture folder text as a plain prefix, then YYYYMMDDhhmmss, "-", the percentage and
// the kind ("-CPU" or "-APP"), then ".png".
std::wstring CaptureFileName(const std::wstring& folder, const LocalTime& time, std::int16_t percent,
                             const wchar_t* kind);

}  // namespace vantor
