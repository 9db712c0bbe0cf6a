#include "common/core/IconComposer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/core/Convert.h"
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
  struct Case { std::int16_t percent, h; };
  const Case cases[] = {{0, 0},   {1, 0},    {3, 0},     {4, 1},     {10, 2},  {37, 6},
                        {50, 8},  {96, 15},  {97, 16},   {100, 16},  {-1, 0},  {-4, -1},
                        {2047, 328}, {-2048, -328}};
  for (const auto& c : cases) EXPECT_EQ(BarHeight(c.percent), c.h) << c.percent;
  for (std::int16_t overflow : {2048, -2049, 32767}) {
    EXPECT_THROW(BarHeight(overflow), ConversionError) << overflow;
  }
  EXPECT_THROW(ComposeIcon(Colours(true, true), 2048, nullptr, true), ConversionError);
}

TEST(ComposeIcon, TheBarFillsFromTheBottomAndAlwaysCoversRow15) {
  struct Case { std::int16_t percent; int firstBar; };
  const Case cases[] = {{0, 15}, {3, 15},  {4, 15},   {10, 14},  {50, 8},
                        {99, 0}, {100, 0}, {2047, 0}, {-100, 15}};
  for (const auto& c : cases) {
    ExpectPixels(ComposeIcon(Colours(false, false), c.percent, nullptr, false),
                 [&](int, int y) { return y >= c.firstBar ? kGraph : kBack; }, std::to_string(c.percent));
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
  EXPECT_EQ(ComposeIcon(s, 100, nullptr, false), Canvas(kBack));  // no picture: nothing drawn from it
  s.IconGraph = false;
  const Picture small(4, 4, 0x0000FF);
  ExpectPixels(ComposeIcon(s, 0, &small, false),
               [&](int x, int y) { return y == 15 ? kGraph : small.Contains(x, y) ? 0x0000FFu : kBack; },
               "small");
}

// The pixels of `colour` as 1, all others as 0.
Canvas Only(const Canvas& canvas, std::uint32_t colour) {
  Canvas out(0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) out.SetPixel(x, y, canvas.Pixel(x, y) == colour ? 1 : 0);
  }
  return out;
}

// The digits alone: shadow and bar in the background colour.
Canvas Digits(std::int16_t percent) {
  MainSettings s = Colours(true, false);
  s.ColorGraph = s.ColorShadow = kBack;
  return Only(ComposeIcon(s, percent, nullptr, false), kText);
}

TEST(ComposeIcon, DigitsStartFurtherLeftTheLongerTheNumber) {
  // After the 3-pixel sign position from x = 1, -2 and -5, the digits begin at 4, 1 and -2
  // ("1" stands right in its cell); the last zero of 100 ends at x = 14.
  struct Case { std::int16_t percent; int left, right; };
  const Case cases[] = {{0, 4, 8}, {9, 4, 8}, {10, 3, 11}, {42, 1, 11}, {99, 1, 11}, {100, 0, 14}};
  for (const auto& c : cases) {
    const Canvas digits = Digits(c.percent);
    int left = 99, right = -1, top = 99, bottom = -1;
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) {
        if (digits.Pixel(x, y) != 1) continue;
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    EXPECT_EQ(std::vector<int>({left, right, top, bottom}), std::vector<int>({c.left, c.right, 5, 12}))
        << c.percent;
  }
}

TEST(ComposeIcon, TheShadowLiesOnePixelRightAndBelowTheDigits) {
  MainSettings s = Colours(true, false);
  s.ColorGraph = kBack;
  for (std::int16_t percent : {5, 37, 100}) {
    const Canvas text = Digits(percent);
    ExpectPixels(ComposeIcon(s, percent, nullptr, false), [&](int x, int y) {
      const bool shadow = x > 0 && y > 0 && text.Pixel(x - 1, y - 1) == 1;
      return text.Pixel(x, y) == 1 ? kText : shadow ? kShadow : kBack;  // the digits cover their shadow
    }, std::to_string(percent));
  }
}

TEST(ComposeIcon, TheFrameGoesOverEverything) {
  const Picture picture = Pattern();
  MainSettings s = Colours(true, true);
  s.IconBack = s.IconGraph = true;
  s.ColorShadow = s.ColorText = kFrame + 1;  // digits and shadow may reach the border
  for (std::int16_t percent : {0, 100}) {
    const Canvas canvas = ComposeIcon(s, percent, &picture, false);
    for (int i = 0; i < 16; ++i) {
      for (auto [x, y] : {std::pair{i, 0}, {i, 15}, {0, i}, {15, i}}) {
        EXPECT_EQ(canvas.Pixel(x, y), kFrame) << x << "," << y;
      }
    }
    EXPECT_EQ(canvas.Pixel(1, 1), picture.Pixel(1, 1));
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
}

}  // namespace
}  // namespace vantor
