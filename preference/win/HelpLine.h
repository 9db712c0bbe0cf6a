// Watches the window's controls for what the help line and the page effects react to:
// focus gained and lost, mouse moves, mouse-button presses and the space key.
#pragma once

#include "common/win/Windows.h"

namespace vantor::preference {

enum class ControlEvent { Focus, KillFocus, MouseMove, MouseDown, Space };

class ControlEventSink {
 public:
  virtual ~ControlEventSink() = default;
  // Must not throw: it runs inside a window procedure.
  virtual void OnControlEvent(int control, ControlEvent event) noexcept = 0;
};

// Reports the events of `control` to `sink` until the control is destroyed.
void WatchControl(HWND control, ControlEventSink& sink);

}  // namespace vantor::preference
