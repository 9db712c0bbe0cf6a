#include "common/core/IconComposer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/Convert.h"
#include "common/core/PixelFont.h"
#include "tests/unit/CanvasCheck.h"

namespace vantor {
namespace {

using test::ExpectPixels;

// Colours that differ from each other and from the warning mark.
constexpr std::uint32_t kBack = 0x102030, kGraph = 0x405060, kFrame = 0x708090, kText = 0xA0B0C0;
constexpr std::uint32_t kShadow = 0xD0E0F0, kGrey = 0x808080, kYellow = 0x00FFFF;

MainSettings Colours(bool text, bool frame) {
  MainSettings s;
  s.ColorBack = kBack;
  s.ColorGraph = kGraph;
  s.ColorFrame = kFrame;
  s.ColorText = kText;
  s.ColorShadow = kShadow;
  s.IconText = text;
  s.IconFrame = frame;
  return s;
}

Picture Pattern() {
  Picture picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) picture.SetPixel(x, y, 0x0A0000u * x + 0xB00u * y + 1);
  }
  return picture;
}

TEST(BarHeight, RoundsPercentTimesSixteenOverAHundredIn16Bits) {
  struct Case { std::int16_t percent, h; int size = 16; };
  const Case cases[] = {{0, 0},   {1, 0},    {3, 0},     {4, 1},     {10, 2},  {37, 6},
                        {50, 8},  {96, 15},  {97, 16},   {100, 16},  {-1, 0},  {-4, -1},
                        {2047, 328}, {-2048, -328},
                        {37, 9, 24}, {1, 0, 50}, {3, 2, 50}, {511, 327, 64}, {-512, -328, 64}};
  for (const auto& c : cases) EXPECT_EQ(BarHeight(c.percent, c.size), c.h) << c.percent << " at " << c.size;
  for (std::int16_t overflow : {2048, -2049, 32767}) {
    EXPECT_THROW(BarHeight(overflow), ConversionError) << overflow;
  }
  EXPECT_THROW(ComposeIcon(Colours(true, true), 2048, nullptr, true), ConversionError);
  EXPECT_THROW(ComposeIcon(Colours(true, true), -513, nullptr, true, 64), ConversionError);
}

TEST(ComposeIcon, TheBarFillsFromTheBottomAndAlwaysCoversRow15) {
  struct Case { std::int16_t percent; int firstBar, size = 16; };
  const Case cases[] = {{0, 15}, {3, 15},  {4, 15},   {10, 14},  {50, 8},
                        {99, 0}, {100, 0}, {2047, 0}, {-100, 15},
                        {0, 19, 20}, {1, 19, 20}, {50, 10, 20}, {99, 0, 20}, {100, 0, 20}, {37, 15, 24},
                        {0, 23, 24}, {1, 23, 24}, {50, 12, 24}, {99, 0, 24}, {100, 0, 24}, {-100, 23, 24},
                        {0, 31, 32}, {1, 31, 32}, {50, 16, 32}, {99, 0, 32}, {100, 0, 32}, {3, 62, 64},
                        {0, 47, 48}, {1, 47, 48}, {50, 24, 48}, {99, 0, 48}, {100, 0, 48}, {99, 1, 64}};
  for (const auto& c : cases) {
    ExpectPixels(ComposeIcon(Colours(false, false), c.percent, nullptr, false, c.size),
                 [&](int, int y) { return y >= c.firstBar ? kGraph : kBack; },
                 std::to_string(c.percent) + " at " + std::to_string(c.size));
  }
}

TEST(ComposeIcon, ThePictureAsBackgroundAndBar) {
  const Picture picture = Pattern();
  auto fromPicture = [&](int x, int y) { return picture.Pixel(x, y); };
  MainSettings s = Colours(false, false);
  s.IconGraph = true;
  ExpectPixels(ComposeIcon(s, 50, &picture, false),
               [&](int x, int y) { return y >= 8 ? picture.Pixel(x, y) : kBack; }, "bar from the bottom");
  s.IconBack = true;
  for (std::int16_t percent : {0, 37, 100}) {
    ExpectPixels(ComposeIcon(s, percent, &picture, false), fromPicture,
                 "same picture " + std::to_string(percent));
  }
  for (int size : {20, 24, 32, 48}) {  // the 16 x 16 picture stretched over the icon, background and bar
    EXPECT_EQ(ScaleCanvas(ComposeIcon(s, 37, &picture, false, size), size),
              ScaleCanvas(ComposeIcon(s, 37, &picture, false), size)) << size;
  }
  EXPECT_EQ(ComposeIcon(s, 100, nullptr, false), Canvas(kBack));  // no picture: nothing drawn from it
  s.IconGraph = false;
  const Picture small(4, 4, 0x0000FF);
  ExpectPixels(ComposeIcon(s, 0, &small, false),
               [&](int x, int y) { return y == 15 ? kGraph : small.Contains(x, y) ? 0x0000FFu : kBack; },
               "small");
}

// The pixels of `colour` as 1, all others as 0.
Canvas Only(const Canvas& canvas, std::uint32_t colour) {
  Canvas out(0, canvas.Size());
  for (int y = 0; y < canvas.Size(); ++y) {
    for (int x = 0; x < canvas.Size(); ++x) out.SetPixel(x, y, canvas.Pixel(x, y) == colour ? 1 : 0);
  }
  return out;
}

// The digits alone: shadow and bar in the background colour.
Canvas Digits(std::int16_t percent, int size = 16) {
  MainSettings s = Colours(true, false);
  s.ColorGraph = s.ColorShadow = kBack;
  return Only(ComposeIcon(s, percent, nullptr, false, size), kText);
}

// The left, right, top and bottom of the ink of Digits().
std::vector<int> Bounds(const Canvas& digits) {
  int left = 99, right = -1, top = 99, bottom = -1;
  for (int y = 0; y < digits.Size(); ++y) {
    for (int x = 0; x < digits.Size(); ++x) {
      if (digits.Pixel(x, y) != 1) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  return {left, right, top, bottom};
}

TEST(ComposeIcon, DigitsStartFurtherLeftTheLongerTheNumber) {
  // After the 3-pixel sign position from x = 1, -2 and -5, the digits begin at 4, 1 and -2
  // ("1" stands right in its cell); the last zero of 100 ends at x = 14.
  struct Case { std::int16_t percent; int left, right, size = 16, top = 5, bottom = 12; };
  const Case cases[] = {{0, 4, 8}, {9, 4, 8}, {10, 3, 11}, {42, 1, 11}, {99, 1, 11}, {100, 0, 14},
                        {7, 7, 11, 20, 5, 14},   {42, 4, 14, 20, 5, 14},  {100, 1, 17, 20, 5, 14},
                        {7, 8, 13, 24, 6, 17},   {42, 5, 17, 24, 6, 17},  {100, 1, 20, 24, 6, 17},
                        {7, 11, 18, 32, 8, 23},  {42, 6, 23, 32, 8, 23},  {100, 1, 28, 32, 8, 23},
                        {100, 2, 35, 40, 10, 29}, {100, 2, 41, 48, 12, 35}, {7, 22, 37, 64, 16, 47}};
  for (const auto& c : cases) {
    EXPECT_EQ(Bounds(Digits(c.percent, c.size)), std::vector<int>({c.left, c.right, c.top, c.bottom}))
        << c.percent << " at " << c.size;
  }
  for (int size = 17; size <= kMaxIconSize; ++size) {  // three digits inside the frame
    const int k = FontForIcon(size).scale;
    const std::vector<int> b = Bounds(Digits(100, size));
    EXPECT_TRUE(b[0] >= k && b[2] >= k && b[1] < size - k && b[3] < size - k) << size;
    EXPECT_NO_THROW(ComposeIcon(Colours(true, true), -100, nullptr, true, size));
  }
}

TEST(ComposeIcon, TheShadowLiesOnePixelRightAndBelowTheDigits) {
  MainSettings s = Colours(true, false);
  s.ColorGraph = kBack;
  for (auto [size, k] : {std::pair{16, 1}, {24, 1}, {48, 2}}) {  // one font pixel: k pixels
    for (std::int16_t percent : {5, 37, 100}) {
      const Canvas text = Digits(percent, size);
      ExpectPixels(ComposeIcon(s, percent, nullptr, false, size), [&](int x, int y) {
        const bool shadow = x >= k && y >= k && text.Pixel(x - k, y - k) == 1;
        return text.Pixel(x, y) == 1 ? kText : shadow ? kShadow : kBack;  // the digits cover their shadow
      }, std::to_string(percent) + " at " + std::to_string(size));
    }
  }
}

TEST(ComposeIcon, TheFrameGoesOverEverything) {
  const Picture picture = Pattern();
  MainSettings s = Colours(true, true);
  s.IconBack = s.IconGraph = true;
  s.ColorShadow = s.ColorText = kFrame + 1;  // digits and shadow may reach the border
  MainSettings bare = s;
  bare.IconFrame = false;
  for (auto [size, width] : {std::pair{16, 1}, {20, 1}, {24, 1}, {32, 1}, {40, 2}, {48, 2}, {64, 2}}) {
    for (std::int16_t percent : {0, 100}) {
      const Canvas under = ComposeIcon(bare, percent, &picture, false, size);
      ExpectPixels(ComposeIcon(s, percent, &picture, false, size), [&](int x, int y) {
        return std::min({x, y, size - 1 - x, size - 1 - y}) < width ? kFrame : under.Pixel(x, y);
      }, std::to_string(percent) + " at " + std::to_string(size));
    }
  }
}

TEST(ComposeIcon, BackingOffAddsTheMarkAndNothingElse) {
  const Picture picture = Pattern();
  MainSettings variants[3] = {Colours(false, false), Colours(true, true), Colours(true, true)};
  variants[2].IconBack = variants[2].IconGraph = true;
  for (std::int16_t percent : {0, 9, 100}) {
    for (const auto& s : variants) {
      const Canvas normal = ComposeIcon(s, percent, &picture, false);
      // Yellow "!" over a grey outline at x 12-14, y 9-15; the one pixel inside the outline
      // and outside the "!" keeps what was there.
      ExpectPixels(ComposeIcon(s, percent, &picture, true), [&](int x, int y) {
        if (x < 12 || x > 14 || y < 9 || (x == 13 && y == 13)) return normal.Pixel(x, y);
        return x <= 13 && y != 13 && y != 15 ? kYellow : kGrey;
      }, std::to_string(percent));
    }
  }
  // Elsewhere it keeps to its box in the lower right corner: yellow top left, grey bottom right.
  struct Place { int size, left, top, right; };
  for (const Place p : {Place{20, 16, 11, 18}, {24, 19, 14, 22}, {32, 25, 18, 30}, {48, 38, 28, 45}}) {
    const Canvas normal = ComposeIcon(variants[2], 37, &picture, false, p.size);
    const Canvas marked = ComposeIcon(variants[2], 37, &picture, true, p.size);
    ExpectPixels(marked, [&](int x, int y) {
      if (x == p.left && y == p.top) return kYellow;
      if (x == p.right && y == p.size - 1) return kGrey;
      return x >= p.left && x <= p.right && y >= p.top ? marked.Pixel(x, y) : normal.Pixel(x, y);
    }, "mark at " + std::to_string(p.size));
  }
}

}  // namespace
}  // namespace vantor
