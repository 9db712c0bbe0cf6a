// The icon window, which is the station form itself: its place on the screen, its face and
// its tooltip.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/core/Canvas.h"
#include "station/core/IconWindowPlace.h"

namespace vantor {

class IconWindowPort {
 public:
  virtual ~IconWindowPort() = default;
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

  // Its face and its tooltip. The face is drawn at FaceSize(), the window's own size in pixels
  // at the DPI of the monitor it is on.
  virtual int FaceSize() = 0;
  virtual void ShowCanvas(const Canvas& canvas) = 0;
  virtual void SetIconWindowTip(const std::wstring& text) = 0;
  // Lets the window manager drag the window; returns when the drag has ended.
  virtual void DragWindow() = 0;
};

}  // namespace vantor
