// Composes the 16 x 16 progress icon from the settings and the percentage: background, a bar
// that fills from the bottom, the percentage in digits with a drop shadow, the frame, and for
// the backing-off variant a warning mark in the lower right corner.
#pragma once

#include <cstdint>

#include "common/core/Canvas.h"
#include "common/core/Settings.h"

namespace vantor {

// Rows covered by the bar: percent x 16 / 100 rounded to the nearest integer; 0 to 16 for 0
// to 100 percent. The product is a 16-bit number, so a percentage above 2047 or below -2048
// throws ConversionError.
std::int16_t BarHeight(std::int16_t percent);

// Draws the icon. `picture` is the user's icon picture, the source of the background and
// of the bar when the settings ask for it; without one (null) those steps draw nothing from
// it. `backingOff` adds the warning mark. Throws ConversionError as BarHeight does.
// `size` is the canvas's, kIconSize to kMaxIconSize pixels square.
Canvas ComposeIcon(const MainSettings& settings, std::int16_t percent, const Picture* picture,
                   bool backingOff, int size = kIconSize);

}  // namespace vantor
