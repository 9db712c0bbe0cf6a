#include "common/core/IconComposer.h"

#include <limits>

#include "common/core/Convert.h"
#include "common/core/PixelFont.h"

namespace vantor {
namespace {

constexpr std::uint32_t kMarkGrey = 0x808080;    // red, green and blue 128
constexpr std::uint32_t kMarkYellow = 0x00FFFF;  // red and green 255

std::uint32_t Colour(std::int32_t word) { return static_cast<std::uint32_t>(word); }

// The line position of the digits: further left the more digits there are, so that one to
// three digits stay inside the icon.
int DigitsX(std::int16_t percent) {
  if (percent <= 9) return 1;
  if (percent <= 99) return -2;
  return -5;
}

void DrawBar(Canvas& canvas, const MainSettings& settings, int h, const Picture* picture) {
  const int last = kIconSize - 1;
  if (settings.IconGraph) {
    if (picture) canvas.CopyFrom(*picture, 0, kIconSize - h, kIconSize, h);
  } else {
    // Both corners belong to the box: at h = 0 the bottom row is still filled; a negative h
    // (a negative percentage) reaches below the canvas and is clipped to that row as well.
    canvas.FillBox(0, last, last, kIconSize - h, Colour(settings.ColorGraph));
  }
}

void DrawDigits(Canvas& canvas, const MainSettings& settings, std::int16_t percent) {
  const int x = DigitsX(percent);
  PrintNumber(canvas, percent, x + 1, 3, Colour(settings.ColorShadow));
  PrintNumber(canvas, percent, x, 2, Colour(settings.ColorText));
}

void DrawBackingOffMark(Canvas& canvas) {
  canvas.DrawBox(12, 9, 14, 15, kMarkGrey);
  canvas.DrawBox(12, 9, 13, 12, kMarkYellow);
  canvas.DrawBox(12, 14, 13, 14, kMarkYellow);
}

}  // namespace

std::int16_t BarHeight(std::int16_t percent) {
  const int product = percent * 16;
  using Limits = std::numeric_limits<std::int16_t>;
  if (product > Limits::max() || product < Limits::min()) {
    throw ConversionError("percentage too large for the bar height");
  }
  return RoundToInt16(product / 100.0);
}

Canvas ComposeIcon(const MainSettings& settings, std::int16_t percent, const Picture* picture,
                   bool backingOff, int size) {
  if (size != kIconSize) {
    const std::vector<std::uint32_t> pixels = ScaleCanvas(ComposeIcon(settings, percent, picture, backingOff), size);
    Canvas scaled(0, size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) scaled.SetPixel(x, y, pixels[static_cast<std::size_t>(y * size + x)]);
    }
    return scaled;
  }
  const int h = BarHeight(percent);
  // The background colour first: a picture background covers only what the picture has pixels for.
  Canvas canvas(Colour(settings.ColorBack));
  if (settings.IconBack && picture) canvas.CopyFrom(*picture, 0, 0, kIconSize, kIconSize);
  DrawBar(canvas, settings, h, picture);
  if (settings.IconText) DrawDigits(canvas, settings, percent);
  if (settings.IconFrame) canvas.DrawBox(0, 0, kIconSize - 1, kIconSize - 1, Colour(settings.ColorFrame));
  if (backingOff) DrawBackingOffMark(canvas);
  return canvas;
}

}  // namespace vantor
