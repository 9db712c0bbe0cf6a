#include "common/core/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "tests/unit/CanvasCheck.h"

namespace vantor {
namespace {

using test::ExpectPixels;

constexpr std::uint32_t kPaper = 0x112233;
constexpr std::uint32_t kInk = 0x0000FF;

TEST(Canvas, PixelsOutsideAreDroppedOrRefusedAndColoursKeep24Bits) {
  Canvas canvas(kPaper);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {16, 0}, {0, 16}, {-100, 100}}) canvas.SetPixel(x, y, kInk);
  EXPECT_EQ(canvas, Canvas(kPaper));
  EXPECT_THROW(canvas.Pixel(16, 0), std::out_of_range);
  EXPECT_THROW(canvas.Pixel(0, -1), std::out_of_range);
  canvas.SetPixel(15, 15, 0xFF00FF00);
  EXPECT_EQ(canvas.Pixel(15, 15), 0x0000FF00u);
}

TEST(Canvas, BoxesIncludeBothCornersInAnyOrderAndClip) {
  struct Case { int x1, y1, x2, y2; };
  const Case cases[] = {{2, 3, 5, 7},   {5, 7, 2, 3},    {5, 3, 2, 7},    {4, 4, 4, 4},     {0, 15, 15, 16},
                        {0, 15, 15, -4}, {-3, -3, 2, 2}, {-9, 8, 40, 8},  {16, 0, 20, 15},  {0, -5, 15, -1},
                        {-1, -1, 16, 16}};
  for (const auto& c : cases) {
    const int left = std::min(c.x1, c.x2), right = std::max(c.x1, c.x2);
    const int top = std::min(c.y1, c.y2), bottom = std::max(c.y1, c.y2);
    auto inside = [&](int x, int y) { return x >= left && x <= right && y >= top && y <= bottom; };
    auto edge = [&](int x, int y) {
      return inside(x, y) && (x == left || x == right || y == top || y == bottom);
    };
    const std::string what = std::to_string(c.x1) + "," + std::to_string(c.y1) + " " + std::to_string(c.x2) +
                             "," + std::to_string(c.y2);
    Canvas filled(kPaper), outlined(kPaper);
    filled.FillBox(c.x1, c.y1, c.x2, c.y2, kInk);
    outlined.DrawBox(c.x1, c.y1, c.x2, c.y2, kInk);
    ExpectPixels(filled, [&](int x, int y) { return inside(x, y) ? kInk : kPaper; }, "filled " + what);
    ExpectPixels(outlined, [&](int x, int y) { return edge(x, y) ? kInk : kPaper; }, "outlined " + what);
  }
}

Picture Gradient(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, 0x010000u * x + 0x100u * y + 7);
  }
  return picture;
}

TEST(Canvas, CopyTakesTheSameRectangleAndOnlyWhereThePictureHasPixels) {
  const Picture large = Gradient(20, 20), small = Gradient(5, 3);
  Canvas part(kPaper), whole(kPaper), corner(kPaper);
  part.CopyFrom(large, 3, 10, 4, 2);
  auto inPart = [](int x, int y) { return x >= 3 && x <= 6 && y >= 10 && y <= 11; };
  ExpectPixels(part, [&](int x, int y) { return inPart(x, y) ? large.Pixel(x, y) : kPaper; }, "part");
  whole.CopyFrom(large, -4, -4, 100, 100);
  ExpectPixels(whole, [&](int x, int y) { return large.Pixel(x, y); }, "whole");
  corner.CopyFrom(small, 0, 0, 16, 16);
  ExpectPixels(corner, [&](int x, int y) { return small.Contains(x, y) ? small.Pixel(x, y) : kPaper; },
               "small");

  Canvas untouched(kPaper);
  untouched.CopyFrom(small, 0, 0, 16, 0);
  untouched.CopyFrom(small, 0, 16, 16, -3);
  untouched.CopyFrom(Picture(), 0, 0, 16, 16);
  untouched.CopyFrom(large, 2147483000, 0, 2147483000, 16);
  EXPECT_EQ(untouched, Canvas(kPaper));
}

TEST(Picture, SizeAndPixelsMustAgree) {
  EXPECT_THROW(Picture(2, 2, std::vector<std::uint32_t>(3)), std::invalid_argument);
  const Picture picture(2, 1, std::vector<std::uint32_t>{0xAB123456, 0x000001});
  EXPECT_EQ(picture.Pixel(0, 0), 0x123456u);
  EXPECT_THROW(picture.Pixel(2, 0), std::out_of_range);
  EXPECT_EQ(Picture(-3, 4).Width(), 0);
}

TEST(Canvas, ScalesByWholePixelsToTheSizesOfScaledDisplays) {
  // How many target pixels each canvas column (and row) becomes.
  struct Case { int size; std::vector<int> blocks; };
  const Case cases[] = {
      {16, std::vector<int>(16, 1)},
      {20, {1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1, 2, 1}},
      {24, {1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2, 1, 2}},
      {32, std::vector<int>(16, 2)},
  };
  Canvas canvas;
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) canvas.SetPixel(x, y, static_cast<std::uint32_t>(y * 16 + x));
  }
  for (const Case& c : cases) {
    std::vector<int> column;
    for (int i = 0; i < kIconSize; ++i) column.insert(column.end(), static_cast<std::size_t>(c.blocks[i]), i);
    ASSERT_EQ(column.size(), static_cast<std::size_t>(c.size));
    const std::vector<std::uint32_t> scaled = ScaleCanvas(canvas, c.size);
    ASSERT_EQ(scaled.size(), static_cast<std::size_t>(c.size * c.size));
    for (int y = 0; y < c.size; ++y) {
      for (int x = 0; x < c.size; ++x) {
        ASSERT_EQ(scaled[static_cast<std::size_t>(y * c.size + x)], canvas.Pixel(column[x], column[y]))
            << c.size << " px at " << x << "," << y;
      }
    }
  }
  EXPECT_THROW(ScaleByWholePixels(std::vector<std::uint32_t>(255), 16, 24), std::invalid_argument);
}

}  // namespace
}  // namespace vantor
