#include "common/core/PixelFont.h"

#include <stdexcept>
#include <string>

namespace vantor {
namespace {

// The digits of each set, row by row. The stem of the 16-pixel "1" stands right of centre so
// that a leading "1" printed from a negative x still shows inside the icon's frame.
constexpr std::array<std::string_view, 8> kDigits16 = {{
    ".###. ...#. .###. .###. ...#. ##### .###. ##### .###. .###.",
    "#...# ..##. #...# #...# ..##. #.... #...# ....# #...# #...#",
    "#...# ...#. ....# ....# .#.#. ####. #.... ...#. #...# #...#",
    "#...# ...#. ...#. ..##. #..#. ....# ####. ...#. .###. #...#",
    "#...# ...#. ..#.. ....# ##### ....# #...# ..#.. #...# .####",
    "#...# ...#. .#... ....# ...#. ....# #...# ..#.. #...# ....#",
    "#...# ...#. #.... #...# ...#. #...# #...# .#... #...# #...#",
    ".###. ...#. ##### .###. ...#. .###. .###. .#... .###. .###.",
}};
constexpr std::array<std::string_view, 10> kDigits20 = {{
    ".###. ..#.. .###. .###. ...#. ##### .###. ##### .###. .###.",
    "#...# .##.. #...# #...# ..##. #.... #...# ....# #...# #...#",
    "#...# #.#.. ....# ....# .#.#. #.... #.... ....# #...# #...#",
    "#...# ..#.. ....# ....# .#.#. ####. #.... ...#. #...# #...#",
    "#...# ..#.. ...#. ..##. #..#. ....# ####. ...#. .###. #...#",
    "#...# ..#.. ..#.. ....# ##### ....# #...# ..#.. #...# .####",
    "#...# ..#.. .#... ....# ...#. ....# #...# ..#.. #...# ....#",
    "#...# ..#.. #.... ....# ...#. ....# #...# ..#.. #...# ....#",
    "#...# ..#.. #.... #...# ...#. #...# #...# .#... #...# #...#",
    ".###. ..#.. ##### .###. ...#. .###. .###. .#... .###. .###.",
}};
constexpr std::array<std::string_view, 12> kDigits24 = {{
    ".####. ####.. .####. .####. ##..## ###### .####. ###### .####. .####.",
    "###### ####.. ###### ###### ##..## ###### ###### ###### ###### ######",
    "##..## ..##.. ##..## ##..## ##..## ##.... ##..## ....## ##..## ##..##",
    "##..## ..##.. ....## ....## ##..## ##.... ##.... ....## ##..## ##..##",
    "##..## ..##.. ...### ....## ##..## ##.... ##.... ...### ##..## ##..##",
    "##..## ..##.. ..###. ..#### ###### #####. #####. ...##. .####. ######",
    "##..## ..##.. .###.. ..#### ###### ###### ###### ..###. .####. .#####",
    "##..## ..##.. ###... ....## ....## ....## ##..## ..##.. ##..## ....##",
    "##..## ..##.. ##.... ....## ....## ....## ##..## ..##.. ##..## ....##",
    "##..## ..##.. ##.... ##..## ....## ##..## ##..## ..##.. ##..## ##..##",
    "###### ###### ###### ###### ....## ###### ###### ..##.. ###### ######",
    ".####. ###### ###### .####. ....## .####. .####. ..##.. .####. .####.",
}};
constexpr std::array<std::string_view, 16> kDigits32 = {{
    "..####.. ...##... ..####.. ..####.. ..##.##. ######## ..####.. ######## ..####.. ..####..",
    ".######. ..###... .######. .######. ..##.##. ######## .######. ######## .######. .######.",
    "###..### #####... ###..### ###..### .###.##. ##...... ###..### ......## ###..### ###..###",
    "##....## ##.##... ##....## ##....## .##..##. ##...... ##....## ......## ##....## ##....##",
    "##....## ...##... ......## ......## ###..##. ##...... ##...... .....### ##....## ##....##",
    "##....## ...##... .....### ......## ##...##. ##...... ##...... .....##. ##....## ##....##",
    "##....## ...##... ....###. ......## ##...##. #######. ##...... ....###. ###..### ##....##",
    "##....## ...##... ...###.. ..###### ##...##. ######## #######. ....##.. .######. ########",
    "##....## ...##... ..###... ..###### ######## ......## ######## ...###.. .######. .#######",
    "##....## ...##... .###.... ......## ######## ......## ##....## ...##... ###..### ......##",
    "##....## ...##... ###..... ......## .....##. ......## ##....## ...##... ##....## ......##",
    "##....## ...##... ##...... ......## .....##. ......## ##....## ...##... ##....## ......##",
    "##....## ...##... ##...... ##....## .....##. ##....## ##....## ...##... ##....## ##....##",
    "###..### ...##... ##...... ###..### .....##. ###..### ###..### ...##... ###..### ###..###",
    ".######. .######. ######## .######. .....##. .######. .######. ...##... .######. .######.",
    "..####.. .######. ######## ..####.. .....##. ..####.. ..####.. ...##... ..####.. ..####..",
}};

// The warning marks: a yellow "!" over a grey outline whose left and top edges the "!" mostly
// covers, so that the grey shows right of it, below it and in the gap above its dot. The
// 32-pixel mark is the 16-pixel one with every pixel doubled.
constexpr std::array<std::string_view, 7> kMark16 = {{
    "!!o", "!!o", "!!o", "!!o", "o.o", "!!o", "ooo",
}};
constexpr std::array<std::string_view, 9> kMark20 = {{
    "!!o", "!!o", "!!o", "!!o", "!!o", "o.o", "!!o", "!!o", "ooo",
}};
constexpr std::array<std::string_view, 10> kMark24 = {{
    "!!!o", "!!!o", "!!!o", "!!!o", "!!!o", "!!!o", "o..o", "!!!o", "!!!o", "oooo",
}};
constexpr std::array<std::string_view, 14> kMark32 = {{
    "!!!!oo", "!!!!oo", "!!!!oo", "!!!!oo", "!!!!oo", "!!!!oo", "!!!!oo",
    "!!!!oo", "oo..oo", "oo..oo", "!!!!oo", "!!!!oo", "oooooo", "oooooo",
}};

// The line positions put the digits and their 1-pixel shadow in the middle of the icon, or a
// pixel left of it and below it where the middle falls between pixels; at 16 pixels they stand
// as they always have.
constexpr std::array<PixelFont, 4> kFonts = {{
    {.size = 16, .width = kDigitWidth, .height = kDigitHeight, .stroke = 1, .advance = kDigitAdvance,
     .signAdvance = kSignAdvance, .top = kDigitTop, .minusRow = 4, .minusWidth = 2,
     .lines = {{{1, 2}, {-2, 2}, {-5, 2}}}, .rows = kDigits16, .mark = kMark16},
    {.size = 20, .width = 5, .height = 10, .stroke = 1, .advance = 6, .signAdvance = 4, .top = 0,
     .minusRow = 5, .minusWidth = 3, .lines = {{{3, 5}, {0, 5}, {-3, 5}}}, .rows = kDigits20, .mark = kMark20},
    {.size = 24, .width = 6, .height = 12, .stroke = 2, .advance = 7, .signAdvance = 5, .top = 0,
     .minusRow = 5, .minusWidth = 4, .lines = {{{3, 6}, {0, 6}, {-4, 6}}}, .rows = kDigits24, .mark = kMark24},
    {.size = 32, .width = 8, .height = 16, .stroke = 2, .advance = 10, .signAdvance = 6, .top = 0,
     .minusRow = 7, .minusWidth = 5, .lines = {{{5, 8}, {0, 8}, {-5, 8}}}, .rows = kDigits32, .mark = kMark32},
}};

// Every row of a set as long as the metrics say, of the characters it may hold.
constexpr bool WellFormed(const PixelFont& font) {
  if (font.rows.size() != static_cast<std::size_t>(font.height)) return false;
  for (std::string_view row : font.rows) {
    if (row.size() != static_cast<std::size_t>(10 * (font.width + 1) - 1)) return false;
    for (std::size_t i = 0; i < row.size(); ++i) {
      const bool gap = (i + 1) % static_cast<std::size_t>(font.width + 1) == 0;
      if (gap ? row[i] != ' ' : row[i] != '#' && row[i] != '.') return false;
    }
  }
  for (std::string_view row : font.mark) {
    if (row.size() != font.mark[0].size() || row.find_first_not_of("!o.") != std::string_view::npos) return false;
  }
  return !font.mark.empty();
}
static_assert(WellFormed(kFonts[0]) && WellFormed(kFonts[1]) && WellFormed(kFonts[2]) && WellFormed(kFonts[3]));

// Fills the font pixel (x, y in canvas pixels) as a scale x scale block.
void FillFontPixel(Canvas& canvas, int x, int y, int scale, std::uint32_t colour) {
  canvas.FillBox(x, y, x + scale - 1, y + scale - 1, colour);
}

}  // namespace

const std::array<PixelFont, 4>& DesignedFonts() { return kFonts; }

FontScale FontForIcon(int size) {
  if (size < kIconSize || size > kMaxIconSize) throw std::invalid_argument("no icon of that size");
  FontScale chosen;
  int face = 0;
  for (const PixelFont& font : kFonts) {  // smallest first, so that a tie goes to the larger set
    const int scale = size / font.size;
    if (scale >= 1 && font.size * scale >= face) {
      face = font.size * scale;
      chosen = {&font, scale, (size - face + 1) / 2};
    }
  }
  return chosen;
}

void DrawDigit(Canvas& canvas, int digit, int x, int y, std::uint32_t colour, const PixelFont& font, int scale) {
  if (digit < 0 || digit > 9) throw std::out_of_range("not a digit");
  const std::size_t first = static_cast<std::size_t>(digit * (font.width + 1));
  for (int row = 0; row < font.height; ++row) {
    const std::string_view glyph =
        font.rows[static_cast<std::size_t>(row)].substr(first, static_cast<std::size_t>(font.width));
    for (int column = 0; column < font.width; ++column) {
      if (glyph[static_cast<std::size_t>(column)] == '#') {
        FillFontPixel(canvas, x + column * scale, y + (font.top + row) * scale, scale, colour);
      }
    }
  }
}

int PrintNumber(Canvas& canvas, int value, int x, int y, std::uint32_t colour, const PixelFont& font, int scale) {
  // The magnitude in 64 bits, so that the most negative int has one too.
  const long long number = value;
  if (number < 0) {
    const int row = y + (font.top + font.minusRow) * scale;
    canvas.FillBox(x, row, x + font.minusWidth * scale - 1, row + font.stroke * scale - 1, colour);
  }
  x += font.signAdvance * scale;
  for (char c : std::to_string(number < 0 ? -number : number)) {
    DrawDigit(canvas, c - '0', x, y, colour, font, scale);
    x += font.advance * scale;
  }
  return x;
}

}  // namespace vantor
