// The agent's main window at 100 %: its size, which the captures copy and which "show the
// agent's window" gives back to it.
#pragma once

namespace vantor {

inline constexpr int kAgentWidth = 758, kAgentHeight = 514;

}  // namespace vantor
