#include "station/core/AgentGauge.h"

#include "station/core/AgentSearch.h"

namespace vantor {

GaugeChange AgentGauge::Measure(std::int32_t threshold) {
  UDformhwnd = windows_.FindWindow(kAgentClass, L"");
  if (UDformhwnd == 0) {
    // The agent is gone: its handles may soon name other programs' windows.
    UDformhwndMol = 0;
    UDProcessID = 0;
    Percent_ = 0;
    const bool news = !NoAgentShown;
    NoAgentShown = true;
    return news ? GaugeChange::AgentGone : GaugeChange::None;
  }
  NoAgentShown = false;
  UDProcessID = windows_.WindowProcessId(UDformhwnd);
  // The walk has looked up the form's frame and bar already; with no form both stay 0.
  AgentControls controls;
  UDformhwnd = GetWindowHandle(windows_, UDProcessID, UDformhwndMol, &controls);
  hwndProgressFrame = controls.frame;
  hwndProgressBar = controls.bar;
  int width = 0;
  {
    SpaceOf space(windows_, UDformhwnd);  // the bar's width as the agent itself sees it
    width = windows_.ClientWidth(hwndProgressBar);
  }
  Percent_ = PercentOfWidth(width);
  if (Percent_ != LastPercent) {
    LastPercent = Percent_;
    ZeroTicks = 0;
    Backin = false;
    return GaugeChange::Percent;
  }
  if (Percent_ != 0) return GaugeChange::None;
  if (ZeroTicks < threshold) {
    ++ZeroTicks;
    return GaugeChange::None;
  }
  Backin = true;
  BackinBlink = !BackinBlink;
  return BackinBlink ? GaugeChange::BlinkOn : GaugeChange::BlinkOff;
}

bool AgentGauge::EndBackingOff() {
  if (!Backin) return false;
  Backin = false;
  ZeroTicks = 0;
  return true;
}

WindowHandle AgentGauge::AgentOwned(WindowHandle window) {
  if (window == 0 || UDProcessID == 0) return 0;
  return windows_.WindowProcessId(window) == UDProcessID ? window : 0;
}

}  // namespace vantor
