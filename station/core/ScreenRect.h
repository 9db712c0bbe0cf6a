// A rectangle of the screen in pixels.
#pragma once

#include <cstdint>

namespace vantor {

// Right and bottom are exclusive, as in the platform's rectangles.
struct ScreenRect {
  std::int32_t left = 0, top = 0, right = 0, bottom = 0;
  std::int32_t Width() const { return right - left; }
  std::int32_t Height() const { return bottom - top; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

}  // namespace vantor
