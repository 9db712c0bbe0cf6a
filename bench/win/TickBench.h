// The main tick with the agent present and its percentage unchanged, against the bare
// window walk that finds the agent's form, with extra top-level windows on the desktop.
#pragma once

#include <vector>

#include "tests/e2e/AgentDriver.h"

namespace vantor::bench {

struct TickFigures {
  int extraWindows = 0;
  bool ready = false;     // the windows were there and the tick found the agent
  int walkCalls = 0;      // window calls of one walk (GetWindow, process id, GetDlgItem)
  int tickCalls = 0;      // window calls of one tick
  double tickUs = 0;      // one timMain_Timer
  double plainTickUs = 0; // the same without following the unit (no clock, no time left)
  double walkUs = 0;      // the walk alone
};

std::vector<TickFigures> RunTickBench(const test::AgentDriver& agent, const std::vector<int>& extraWindows);

}  // namespace vantor::bench
