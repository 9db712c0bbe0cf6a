// Writes sheets of composed progress icons as binary PPM images for docs/, each icon enlarged
// by whole pixels so that its pixels can be seen, the cells on a neutral grey with gaps.
//   vantor_icon_sheet sizes FILE     rows 0 %, 37 %, 100 % and backing off at 37 %; columns
//                                    16, 20, 24 and 32 pixels, then the 16-pixel icon stretched
//                                    to 24 pixels as the tray showed it before
//   vantor_icon_sheet pictures FILE  a patterned picture as background at 16, 20, 24 and 32
//                                    pixels: the icon at 37 %, then the picture alone
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "common/core/Canvas.h"
#include "common/core/IconComposer.h"

namespace {

using namespace vantor;

constexpr int kZoom = 8;
constexpr int kGap = 8;
constexpr std::uint32_t kNeutral = 0xC8C8C8;

// A square image in colour words, row-major.
struct Cell {
  int size = 0;
  std::vector<std::uint32_t> pixels;
};

Cell FromCanvas(const Canvas& canvas) { return {canvas.Size(), ScaleCanvas(canvas, canvas.Size())}; }

// The 16-pixel face stretched to `size`, as the tray showed every size before.
Cell Stretched(const Canvas& canvas, int size) { return {size, ScaleCanvas(canvas, size)}; }

// The cells in rows, every cell enlarged kZoom times and centred in its column and row.
void WriteSheet(const std::vector<std::vector<Cell>>& rows, const std::string& file) {
  std::vector<int> widths(rows.at(0).size(), 0), heights(rows.size(), 0);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      widths[c] = std::max(widths[c], rows[r][c].size * kZoom);
      heights[r] = std::max(heights[r], rows[r][c].size * kZoom);
    }
  }
  int width = kGap, height = kGap;
  for (int w : widths) width += w + kGap;
  for (int h : heights) height += h + kGap;
  std::vector<std::uint32_t> sheet(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kNeutral);
  int top = kGap;
  for (std::size_t r = 0; r < rows.size(); ++r) {
    int left = kGap;
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      const Cell& cell = rows[r][c];
      const int x0 = left + (widths[c] - cell.size * kZoom) / 2, y0 = top + (heights[r] - cell.size * kZoom) / 2;
      for (int y = 0; y < cell.size * kZoom; ++y) {
        for (int x = 0; x < cell.size * kZoom; ++x) {
          sheet[static_cast<std::size_t>((y0 + y) * width + x0 + x)] =
              cell.pixels[static_cast<std::size_t>(y / kZoom * cell.size + x / kZoom)];
        }
      }
      left += widths[c] + kGap;
    }
    top += heights[r] + kGap;
  }
  std::ofstream out(file, std::ios::binary);
  out << "P6\n" << width << ' ' << height << "\n255\n";
  for (std::uint32_t colour : sheet) {  // colour words are 0x00BBGGRR
    out.put(static_cast<char>(colour & 0xFF)).put(static_cast<char>(colour >> 8 & 0xFF));
    out.put(static_cast<char>(colour >> 16 & 0xFF));
  }
  if (!out) throw std::runtime_error("cannot write " + file);
}

const int kSizes[] = {16, 20, 24, 32};

std::vector<std::vector<Cell>> SizesSheet() {
  const MainSettings settings;
  struct Face { std::int16_t percent; bool backingOff; };
  std::vector<std::vector<Cell>> rows;
  for (const Face face : {Face{0, false}, Face{37, false}, Face{100, false}, Face{37, true}}) {
    std::vector<Cell>& row = rows.emplace_back();
    for (int size : kSizes) {
      row.push_back(FromCanvas(ComposeIcon(settings, face.percent, nullptr, face.backingOff, size)));
    }
    row.push_back(Stretched(ComposeIcon(settings, face.percent, nullptr, face.backingOff), 24));
  }
  return rows;
}

// A red ramp across, a blue ramp down, and a checker of single pixels over both.
Picture Pattern() {
  Picture picture(kIconSize, kIconSize);
  for (int y = 0; y < kIconSize; ++y) {
    for (int x = 0; x < kIconSize; ++x) {
      const std::uint32_t light = (x + y) % 2 == 0 ? 0x404040 : 0;  // no channel above 255
      picture.SetPixel(x, y, 0x0Bu * static_cast<std::uint32_t>(x) + 0x0B0000u * static_cast<std::uint32_t>(y) + light);
    }
  }
  return picture;
}

std::vector<std::vector<Cell>> PicturesSheet() {
  const Picture picture = Pattern();
  MainSettings withDigits;
  withDigits.IconBack = true;
  MainSettings alone = withDigits;
  alone.IconGraph = true;
  alone.IconText = alone.IconFrame = false;
  std::vector<std::vector<Cell>> rows(2);
  for (int size : kSizes) {
    rows[0].push_back(FromCanvas(ComposeIcon(withDigits, 37, &picture, false, size)));
    rows[1].push_back(FromCanvas(ComposeIcon(alone, 0, &picture, false, size)));
  }
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string sheet = argc == 3 ? argv[1] : "";
  if (sheet != "sizes" && sheet != "pictures") {
    std::fprintf(stderr, "usage: vantor_icon_sheet sizes|pictures FILE.ppm\n");
    return 2;
  }
  try {
    WriteSheet(sheet == "sizes" ? SizesSheet() : PicturesSheet(), argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "vantor_icon_sheet: %s\n", e.what());
    return 1;
  }
  return 0;
}
