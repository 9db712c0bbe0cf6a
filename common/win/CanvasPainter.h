// Drawing an icon canvas on a window as a square of `size` pixels: as it is where the sizes
// agree, otherwise scaled by whole pixels (an enlarged preview).
#pragma once

#include "common/win/Windows.h"

#include "common/core/Canvas.h"

namespace vantor {

void PaintCanvas(HDC dc, const Canvas& canvas, int left, int top, int size);

}  // namespace vantor
