#include "station/win/WinInput.h"

#include "common/win/Windows.h"

namespace vantor {

ScreenPoint WinInput::GetCursorPos() {
  POINT point{};
  ::GetCursorPos(&point);
  return {point.x, point.y};
}

void WinInput::SetCursorPos(ScreenPoint point) { ::SetCursorPos(point.x, point.y); }

void WinInput::MouseEvent(MouseAction action) {
  ::mouse_event(action == MouseAction::LeftDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
}

}  // namespace vantor
