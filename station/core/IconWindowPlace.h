// Where the icon window goes so that it can always be reached: inside the work area (the
// screen without its task bars) of the monitor nearest to its stored place.
#pragma once

#include <cstdint>
#include <vector>

#include "station/core/ScreenRect.h"

namespace vantor {

struct MonitorArea {
  ScreenRect monitor;  // the whole monitor
  ScreenRect work;     // the part of it that task bars leave free
};

struct WindowPlace {
  std::int32_t left = 0, top = 0;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// The place of a window of `width` x `height` whose stored top-left corner is `stored`. The
// nearest monitor is the one the window overlaps most, else the one closest to it. A window
// wholly inside that monitor's work area stays where it is; any other is moved the shortest
// way into it. Without monitors the stored place is kept.
WindowPlace ReachablePlace(WindowPlace stored, std::int32_t width, std::int32_t height,
                           const std::vector<MonitorArea>& monitors);

// The stored place is in pixels of 1/96 inch (15 twips) at every scaling; the window moves in
// the pixels of a screen of `dpi` dots per inch. Both round to the nearest pixel, halves away
// from zero, and saturate at the ends of 32 bits.
WindowPlace ScreenFromStored(WindowPlace stored, int dpi);
WindowPlace StoredFromScreen(WindowPlace screen, int dpi);

}  // namespace vantor
