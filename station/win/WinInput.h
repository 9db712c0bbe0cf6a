// The mouse over user32.
#pragma once

#include "station/core/InputPort.h"

namespace vantor {

class WinInput : public InputPort {
 public:
  ScreenPoint GetCursorPos() override;
  void SetCursorPos(ScreenPoint point) override;
  void MouseEvent(MouseAction action) override;
};

}  // namespace vantor
