#include "station/core/AgentSearch.h"

#include <cmath>

namespace vantor {

WindowHandle FindAgentForm(WindowPort& windows, WindowHandle parent, std::uint32_t processId,
                           WindowHandle& secondWindow, AgentControls* controls) {
  for (WindowHandle child = windows.GetWindow(parent, WindowRelation::Child); child != 0;
       child = windows.GetWindow(child, WindowRelation::Next)) {
    if (windows.WindowProcessId(child) == processId) {
      const WindowHandle frame = windows.GetDlgItem(child, kProgressFrameId);
      const WindowHandle bar = windows.GetDlgItem(frame, kProgressBarId);
      if (bar != 0) {
        if (controls) *controls = {frame, bar};
        return child;
      }
      if (windows.GetDlgItem(child, kSecondWindowItemId) != 0) secondWindow = child;
    }
    const WindowHandle sub = FindAgentForm(windows, child, processId, secondWindow, controls);
    if (sub != 0) {
      // A form found further down counts only when this window itself holds the bar.
      const WindowHandle b = windows.GetDlgItem(child, kSecondWindowItemId);
      const WindowHandle c = windows.GetDlgItem(child, kProgressFrameId);
      const WindowHandle d = windows.GetDlgItem(c, kProgressBarId);
      if (d != 0) return sub;
      if (controls) *controls = {};  // the dropped form's controls are not the agent's
      if (c == 0 && b != 0) secondWindow = child;
    }
  }
  return 0;
}

WindowHandle GetWindowHandle(WindowPort& windows, std::uint32_t processId, WindowHandle& secondWindow,
                             AgentControls* controls) {
  return FindAgentForm(windows, windows.DesktopWindow(), processId, secondWindow, controls);
}

std::int16_t PercentOfWidth(int width) {
  const double percent = std::nearbyint(static_cast<double>(width) / kFullBarWidth * 100.0);
  if (percent > 32767.0) return 32767;
  if (percent < -32768.0) return -32768;
  return static_cast<std::int16_t>(percent);
}

}  // namespace vantor
