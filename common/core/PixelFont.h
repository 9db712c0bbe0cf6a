// The built-in pixel fonts of the progress icon: ten digits, the blank that stands in the sign
// position of a positive number, and a minus for that position, in sets designed for icons of
// 16, 20, 24 and 32 pixels. Each set also carries the look of its icon: where its numbers stand
// and the warning mark of the backing-off face. Every machine draws the same pixels.
//
// The 16-pixel set has the metrics of the classic 8-point dialog font: a text line is 13 px
// high with the digits 8 px tall on a baseline 11 px below the line's top (rows top + 3 to
// top + 10); a digit advances 6 px (5 px of glyph, 1 px of spacing), the sign position 3 px.
// Its strokes are 1 px wide; so are those of the 20-pixel set (5 x 10 glyphs, advance 6). The
// 24-pixel set (6 x 12, advance 7) and the 32-pixel set (8 x 16, advance 10) have strokes of
// 2 px, so that the digits keep about the weight they have on the 16-pixel icon.
//
// A set may be drawn at a whole scale k: every font pixel becomes a k x k block, every metric
// grows k times. Icons of other sizes use the largest designed set that fits k times (see
// FontForIcon).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "common/core/Canvas.h"

namespace vantor {

// A point in font pixels.
struct FontPoint {
  int x = 0;
  int y = 0;
};

struct PixelFont {
  int size = 0;         // the icon size the set is designed for
  int width = 0;        // of a digit glyph
  int height = 0;
  int stroke = 0;       // the width of every stroke of every glyph, the minus included
  int advance = 0;      // from one digit to the next
  int signAdvance = 0;  // of the sign position
  int top = 0;          // rows from the top of the line to the top of a digit
  int minusRow = 0;     // the first row of the minus stroke within the digit rows
  int minusWidth = 0;   // it leaves spacing before the first digit
  // The line position (sign position first) of one, two and three digits on the icon: three
  // digits stay inside the icon, fewer stand near its middle.
  std::array<FontPoint, 3> lines;
  // Row r of every digit side by side: digit d's row is rows[r][d * (width + 1) ...] for
  // `width` characters, '#' for a set pixel, the ten glyphs separated by a blank.
  std::span<const std::string_view> rows;
  // The warning mark of the backing-off face, its lower right corner in the icon's lower right
  // corner, one font pixel in from the right edge: '!' yellow, 'o' grey, '.' left as it is.
  std::span<const std::string_view> mark;
};

// The 16-pixel set's metrics, as its callers have long used them.
inline constexpr int kDigitAdvance = 6;
inline constexpr int kDigitWidth = 5;
inline constexpr int kDigitHeight = 8;
inline constexpr int kDigitTop = 3;  // rows from the top of the line to the top of a digit
inline constexpr int kSignAdvance = 3;

// The designed sets, the 16-pixel one first, the others in order of size.
const std::array<PixelFont, 4>& DesignedFonts();

// How an icon of `size` pixels draws: the designed set `font` at `scale`, its D x D face
// (D = font.size, scaled) `margin` pixels in from the icon's top and left edges. The set is
// the one whose D x scale is the largest that is at most `size`, the larger D on a tie; the
// face stands in the middle, an odd pixel left over going to its left and above it. Throws
// std::invalid_argument for a size outside kIconSize to kMaxIconSize.
struct FontScale {
  const PixelFont* font = nullptr;
  int scale = 1;
  int margin = 0;
};
FontScale FontForIcon(int size);

// Draws the glyph of `digit` (0 to 9) in the cell whose top left is (x, y), clipped, with the
// font pixels `scale` x `scale` canvas pixels. Throws std::out_of_range for any other digit.
void DrawDigit(Canvas& canvas, int digit, int x, int y, std::uint32_t colour,
               const PixelFont& font = DesignedFonts()[0], int scale = 1);

// Prints `value` as a number from the line position (x, y), clipped: first the sign position
// (blank for 0 and above, a minus below 0), then the decimal digits without leading zeros.
// Returns the x where a further glyph would start.
int PrintNumber(Canvas& canvas, int value, int x, int y, std::uint32_t colour,
                const PixelFont& font = DesignedFonts()[0], int scale = 1);

}  // namespace vantor
