// What the captures need of the platform: the agent's window, the mouse, the wait, the
// screen copy into an off-screen picture, the PNG file and the local clock.
#pragma once

#include <cstdint>
#include <string>

#include "station/core/WindowPort.h"

namespace vantor {

enum class ShowCommand { Hide, ShowNormal, Minimize };
enum class MouseAction { LeftDown, LeftUp };

struct ScreenPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

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
  // Copies the screen area that shows `width` x `height` of this thread's pixels at the origin
  // into the off-screen picture, at the screen's own resolution: where the system scales the
  // caller's pixels, the picture holds every screen pixel of the area (1137 x 771 for
  // 758 x 514 at 150 %), so it shows what the user sees.
  virtual void CopyScreen(int width, int height) = 0;
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
