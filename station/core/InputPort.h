// The mouse as the station moves it and clicks with it.
#pragma once

#include "station/core/WindowPort.h"

namespace vantor {

enum class MouseAction { LeftDown, LeftUp };

class InputPort {
 public:
  virtual ~InputPort() = default;
  virtual ScreenPoint GetCursorPos() = 0;
  virtual void SetCursorPos(ScreenPoint point) = 0;
  virtual void MouseEvent(MouseAction action) = 0;
};

}  // namespace vantor
