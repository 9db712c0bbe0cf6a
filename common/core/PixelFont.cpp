#include "common/core/PixelFont.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vantor {
namespace {

using Glyph = std::array<std::string_view, kDigitHeight>;

// One row per text, '#' for a set pixel. The stem of "1" stands right of centre so that a
// leading "1" printed from a negative x still shows inside the icon's frame.
constexpr std::array<Glyph, 10> kDigits = {{
    {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},  // 0
    {"...#.", "..##.", "...#.", "...#.", "...#.", "...#.", "...#.", "...#."},  // 1
    {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},  // 2
    {".###.", "#...#", "....#", "..##.", "....#", "....#", "#...#", ".###."},  // 3
    {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#.", "...#."},  // 4
    {"#####", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},  // 5
    {".###.", "#...#", "#....", "####.", "#...#", "#...#", "#...#", ".###."},  // 6
    {"#####", "....#", "...#.", "...#.", "..#..", "..#..", ".#...", ".#..."},  // 7
    {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},  // 8
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "#...#", ".###."},  // 9
}};

constexpr int kMinusRow = 4;    // the row of the minus stroke within the digit rows
constexpr int kMinusWidth = 2;  // it leaves 1 px of spacing before the first digit

}  // namespace

void DrawDigit(Canvas& canvas, int digit, int x, int y, std::uint32_t colour) {
  if (digit < 0 || digit > 9) throw std::out_of_range("not a digit");
  const Glyph& glyph = kDigits[static_cast<std::size_t>(digit)];
  for (int row = 0; row < kDigitHeight; ++row) {
    for (int column = 0; column < kDigitWidth; ++column) {
      if (glyph[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] == '#') {
        canvas.SetPixel(x + column, y + kDigitTop + row, colour);
      }
    }
  }
}

int PrintNumber(Canvas& canvas, int value, int x, int y, std::uint32_t colour) {
  // The magnitude in 64 bits, so that the most negative int has one too.
  const long long number = value;
  if (number < 0) {
    canvas.FillBox(x, y + kDigitTop + kMinusRow, x + kMinusWidth - 1, y + kDigitTop + kMinusRow, colour);
  }
  x += kSignAdvance;
  for (char c : std::to_string(number < 0 ? -number : number)) {
    DrawDigit(canvas, c - '0', x, y, colour);
    x += kDigitAdvance;
  }
  return x;
}

}  // namespace vantor
