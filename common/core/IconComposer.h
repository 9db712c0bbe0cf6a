// Composes the progress icon from the settings and the percentage, at any size the shell asks
// for (16 to 64 pixels square): background, a bar that fills from the bottom, the percentage
// in digits with a drop shadow, the frame, and for the backing-off variant a warning mark in
// the lower right corner.
//
// An icon of N pixels draws its digits and mark with the pixel font set chosen for N (see
// FontForIcon): the set designed for D pixels at a whole scale k, D x k the largest that fits
// in N. The digits' shadow lies one font pixel (k pixels) right and below them, the frame is
// k pixels wide, and the mark is the set's own, k times as large, in the corner with the
// frame's width to its right. The bar and the user's picture fill the whole icon: the
// picture's top-left 16 x 16 pixels are stretched to N as ScaleByWholePixels stretches an
// image, each picture pixel a k x k block where N is 16 k, the nearest pixel otherwise.
#pragma once

#include <cstdint>

#include "common/core/Canvas.h"
#include "common/core/Settings.h"

namespace vantor {

// Rows covered by the bar of an icon of `size` pixels: percent x size / 100 rounded to the
// nearest integer, ties to even; 0 to size for 0 to 100 percent. The product is a 16-bit
// number, so at 16 pixels a percentage above 2047 or below -2048 throws ConversionError, and
// at larger sizes a correspondingly smaller one.
std::int16_t BarHeight(std::int16_t percent, int size = kIconSize);

// Draws the icon. `picture` is the user's icon picture, the source of the background and
// of the bar when the settings ask for it; without one (null) those steps draw nothing from
// it. `backingOff` adds the warning mark. Throws ConversionError as BarHeight does.
// `size` is the canvas's, kIconSize to kMaxIconSize pixels square; std::invalid_argument
// for any other.
Canvas ComposeIcon(const MainSettings& settings, std::int16_t percent, const Picture* picture,
                   bool backingOff, int size = kIconSize);

}  // namespace vantor
