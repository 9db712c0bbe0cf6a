#include "common/core/PixelFont.h"

#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>

namespace vantor {
namespace {

constexpr std::uint32_t kPaper = 0x000000;
constexpr std::uint32_t kInk = 0xFFFFFF;

Canvas Digit(int digit, int x = 0) {
  Canvas canvas(kPaper);
  DrawDigit(canvas, digit, x, 0, kInk);
  return canvas;
}

TEST(PixelFont, DigitsAreDistinctFullHeightAndInsideTheirAdvance) {
  for (int d = 0; d < 10; ++d) {
    const Canvas glyph = Digit(d);
    bool top = false, bottom = false;
    for (int y = 0; y < kIconSize; ++y) {
      for (int x = 0; x < kIconSize; ++x) {
        const bool set = glyph.Pixel(x, y) == kInk;
        EXPECT_FALSE(set && (x >= kDigitWidth || y < kDigitTop || y >= kDigitTop + kDigitHeight)) << d;
        top = top || (set && y == kDigitTop);
        bottom = bottom || (set && y == kDigitTop + kDigitHeight - 1);
      }
    }
    EXPECT_TRUE(top && bottom) << d;
    for (int e = 0; e < d; ++e) EXPECT_NE(glyph, Digit(e)) << d << " looks like " << e;
  }
  EXPECT_THROW(Digit(10), std::out_of_range);
  EXPECT_THROW(Digit(-1), std::out_of_range);
  // "1" stands right in its cell: from x = -2 its stem still shows at x = 1.
  for (int y = kDigitTop; y < kDigitTop + kDigitHeight; ++y) EXPECT_EQ(Digit(1, -2).Pixel(1, y), kInk) << y;
}

TEST(PixelFont, NumbersStartWithTheSignPositionAndThreeDigitsFitFromMinusFive) {
  struct Case { int value; int x; std::vector<std::pair<int, int>> digits; int end; };
  const Case cases[] = {
      {7, 1, {{7, 4}}, 10},
      {42, -2, {{4, 1}, {2, 7}}, 13},
      {100, -5, {{1, -2}, {0, 4}, {0, 10}}, 16},
      {888, -5, {{8, -2}, {8, 4}, {8, 10}}, 16},
  };
  for (const auto& c : cases) {
    Canvas printed(kPaper), expected(kPaper);
    EXPECT_EQ(PrintNumber(printed, c.value, c.x, 2, kInk), c.end) << c.value;
    for (auto [digit, x] : c.digits) DrawDigit(expected, digit, x, 2, kInk);
    EXPECT_EQ(printed, expected) << c.value;
    for (int y = 0; y < kIconSize; ++y) EXPECT_EQ(printed.Pixel(15, y), kPaper) << c.value;
  }
}

TEST(PixelFont, NegativeNumbersPutAMinusInTheSignPosition) {
  Canvas printed(kPaper), expected(kPaper);
  EXPECT_EQ(PrintNumber(printed, -5, 1, 2, kInk), 10);
  DrawDigit(expected, 5, 4, 2, kInk);
  expected.FillBox(1, 2 + kDigitTop + 4, 2, 2 + kDigitTop + 4, kInk);
  EXPECT_EQ(printed, expected);
  EXPECT_EQ(PrintNumber(printed, INT_MIN, 0, 0, kInk), kSignAdvance + 10 * kDigitAdvance);
}

// Each ink pixel lies in a full square of ink as wide as the set's stroke, and in none wider.
TEST(PixelFont, EveryDesignedSetDrawsStrokesOfOneWidth) {
  for (const PixelFont& font : DesignedFonts()) {
    const int s = font.stroke;
    for (int d = 0; d < 10; ++d) {
      Canvas glyph(kPaper, kMaxIconSize);
      DrawDigit(glyph, d, 1, 1 - font.top, kInk, font);
      auto full = [&](int x, int y, int n) {  // whether the n x n square from (x, y) is all ink
        for (int i = 0; i < n * n; ++i) if (x < 0 || y < 0 || glyph.Pixel(x + i % n, y + i / n) != kInk) return false;
        return true;
      };
      for (int y = 0; y <= font.height + 1; ++y) {
        for (int x = 0; x <= font.width + 1; ++x) {
          bool inStroke = !full(x, y, 1);
          for (int j = 0; j < s * s; ++j) inStroke = inStroke || full(x - j % s, y - j / s, s);
          EXPECT_TRUE(inStroke && !full(x, y, s + 1)) << font.size << " px: " << d << " at " << x << "," << y;
        }
      }
    }
  }
}

TEST(PixelFont, AnIconTakesTheLargestDesignedSetThatFitsAWholeNumberOfTimes) {
  const std::vector<int> cases[] = {  // icon size, designed size, scale, margin
      {16, 16, 1, 0}, {17, 16, 1, 1}, {20, 20, 1, 0}, {28, 24, 1, 2}, {31, 24, 1, 4}, {32, 32, 1, 0},
      {40, 20, 2, 0}, {47, 20, 2, 4}, {48, 24, 2, 0}, {60, 20, 3, 0}, {63, 20, 3, 2}, {64, 32, 2, 0}};
  for (const auto& c : cases) {
    const FontScale chosen = FontForIcon(c[0]);
    EXPECT_EQ(std::vector<int>({c[0], chosen.font->size, chosen.scale, chosen.margin}), c);
  }
  EXPECT_THROW(FontForIcon(kMaxIconSize + 1), std::invalid_argument);
}

}  // namespace
}  // namespace vantor
