// Finding the agent's form and measuring its progress bar.
#pragma once

#include <cstdint>

#include "station/core/WindowPort.h"

namespace vantor {

inline constexpr wchar_t kAgentClass[] = L"ThunderRT6formDC";
inline constexpr int kProgressFrameId = 9;
inline constexpr int kProgressBarId = 10;
inline constexpr int kSecondWindowItemId = 2;
inline constexpr int kFullBarWidth = 227;

// Depth-first walk below `parent` in Z order for the form of `processId` that holds
// control 9 with control 10 inside. Records the agent's second window (a window of the
// process with control 2) in `secondWindow` on the way. Returns 0 when nothing is found.
// The found form's frame and bar, which the walk has looked up already, go to `frame` and `bar`.
struct AgentControls {
  WindowHandle frame = 0;
  WindowHandle bar = 0;
};
WindowHandle FindAgentForm(WindowPort& windows, WindowHandle parent, std::uint32_t processId,
                           WindowHandle& secondWindow, AgentControls* controls = nullptr);

// The walk from the desktop window.
WindowHandle GetWindowHandle(WindowPort& windows, std::uint32_t processId, WindowHandle& secondWindow,
                             AgentControls* controls = nullptr);

// The bar's width as a whole percentage of 227 pixels, rounded to nearest; not clamped
// above 100, kept inside 16 bits for absurd widths.
std::int16_t PercentOfWidth(int width);

}  // namespace vantor
