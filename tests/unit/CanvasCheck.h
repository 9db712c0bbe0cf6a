// Pixel-by-pixel comparison of a canvas with the colour a test expects at each point.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "common/core/Canvas.h"

namespace vantor::test {

// `expected(x, y)` gives the colour wanted at (x, y); `what` names the case in failures.
template <class Expected>
void ExpectPixels(const Canvas& canvas, Expected expected, const std::string& what) {
  for (int y = 0; y < canvas.Size(); ++y) {
    for (int x = 0; x < canvas.Size(); ++x) {
      EXPECT_EQ(canvas.Pixel(x, y), static_cast<std::uint32_t>(expected(x, y)))
          << what << " at " << x << "," << y;
    }
  }
}

}  // namespace vantor::test
