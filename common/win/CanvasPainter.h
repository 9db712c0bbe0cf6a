// Drawing the 16 x 16 icon canvas on a window, scaled by whole pixels to a square of `size`
// pixels.
#pragma once

#include "common/win/Windows.h"

#include "common/core/Canvas.h"

namespace vantor {

void PaintCanvas(HDC dc, const Canvas& canvas, int left, int top, int size);

}  // namespace vantor
