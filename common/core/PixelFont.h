// The built-in pixel font of the progress icon: ten digits, the blank that stands in the sign
// position of a positive number, and a minus for that position. Its metrics are those of the
// classic 8-point dialog font, so every machine draws the same pixels: a text line is 13 px
// high with the digits 8 px tall on a baseline 11 px below the line's top (rows top + 3 to
// top + 10); a digit advances 6 px (5 px of glyph, 1 px of spacing), the sign position 3 px.
#pragma once

#include <cstdint>

#include "common/core/Canvas.h"

namespace vantor {

inline constexpr int kDigitAdvance = 6;
inline constexpr int kDigitWidth = 5;
inline constexpr int kDigitHeight = 8;
inline constexpr int kDigitTop = 3;  // rows from the top of the line to the top of a digit
inline constexpr int kSignAdvance = 3;

// Draws the glyph of `digit` (0 to 9) in the cell whose top left is (x, y), clipped.
// Throws std::out_of_range for any other digit.
void DrawDigit(Canvas& canvas, int digit, int x, int y, std::uint32_t colour);

// Prints `value` as a number from the line position (x, y), clipped: first the sign position
// (blank for 0 and above, a minus below 0), then the decimal digits without leading zeros.
// Returns the x where a further glyph would start.
int PrintNumber(Canvas& canvas, int value, int x, int y, std::uint32_t colour);

}  // namespace vantor
