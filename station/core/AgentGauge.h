// The agent as the station finds and measures it once a tick: its windows and process, the
// percentage its bar shows, and the backing off of an agent that stays at 0 %.
#pragma once

#include <cstdint>

#include "station/core/WindowPort.h"

namespace vantor {

// What one look at the agent changed, for the station to show.
enum class GaugeChange {
  None,
  AgentGone,  // the agent's form is gone (told once until it is back): 0 % shows
  Percent,    // another percentage
  BlinkOn,    // backing off: the warning face
  BlinkOff,   // backing off: the plain face
};

class AgentGauge {
 public:
  explicit AgentGauge(WindowPort& windows) : windows_(windows) {}
  AgentGauge(const AgentGauge&) = delete;
  AgentGauge& operator=(const AgentGauge&) = delete;

  // One look: finds the form and its bar and reads the percentage. After `threshold` looks
  // at 0 % in a row the agent backs off, and each further look blinks.
  GaugeChange Measure(std::int32_t threshold);
  // Backing off ends (a click on the icon, the agent's save file written): true when it was on.
  bool EndBackingOff();
  // The handle while it still names a window of the agent's process; 0 once it names nothing
  // or a window that the system gave to another program.
  WindowHandle AgentOwned(WindowHandle window);

  std::int16_t Percent() const { return Percent_; }
  // The agent's form (0 while none was found) and its second window.
  WindowHandle Form() const { return UDformhwnd; }
  WindowHandle SecondWindow() const { return UDformhwndMol; }
  bool BackingOff() const { return Backin; }

 private:
  WindowPort& windows_;
  std::uint32_t UDProcessID = 0;
  std::int16_t Percent_ = 0;
  WindowHandle UDformhwndMol = 0;
  WindowHandle UDformhwnd = 0;
  WindowHandle hwndProgressFrame = 0;
  WindowHandle hwndProgressBar = 0;
  std::int16_t LastPercent = 0;
  bool NoAgentShown = false;
  std::int32_t ZeroTicks = 0;  // wider than the threshold's 16-bit minutes × 60 needs
  bool Backin = false;
  bool BackinBlink = false;
};

}  // namespace vantor
