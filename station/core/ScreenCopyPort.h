// The copy of the screen's pixels into an off-screen picture, and its PNG file.
#pragma once

#include <optional>
#include <string>

#include "station/core/ScreenRect.h"
#include "station/core/WindowPort.h"

namespace vantor {

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

class ScreenCopyPort {
 public:
  virtual ~ScreenCopyPort() = default;
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
};

}  // namespace vantor
