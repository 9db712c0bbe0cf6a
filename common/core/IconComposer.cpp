#include "common/core/IconComposer.h"

#include <limits>

#include "common/core/Convert.h"
#include "common/core/PixelFont.h"

namespace vantor {
namespace {

constexpr std::uint32_t kMarkGrey = 0x808080;    // red, green and blue 128
constexpr std::uint32_t kMarkYellow = 0x00FFFF;  // red and green 255

std::uint32_t Colour(std::int32_t word) { return static_cast<std::uint32_t>(word); }

void DrawBar(Canvas& canvas, const MainSettings& settings, int h, const Picture* picture) {
  const int size = canvas.Size(), last = size - 1;
  if (settings.IconGraph) {
    if (picture) canvas.CopyScaled(*picture, kIconSize, 0, size - h, size, h);
  } else {
    // Both corners belong to the box: at h = 0 the bottom row is still filled; a negative h
    // (a negative percentage) reaches below the canvas and is clipped to that row as well.
    canvas.FillBox(0, last, last, size - h, Colour(settings.ColorGraph));
  }
}

// The digits stand further left the more of them there are, so that one to three digits stay
// inside the icon.
void DrawDigits(Canvas& canvas, const MainSettings& settings, std::int16_t percent, const FontScale& face) {
  const int digits = percent <= 9 ? 1 : percent <= 99 ? 2 : 3;
  const FontPoint line = face.font->lines[static_cast<std::size_t>(digits - 1)];
  const int k = face.scale, x = face.margin + line.x * k, y = face.margin + line.y * k;
  PrintNumber(canvas, percent, x + k, y + k, Colour(settings.ColorShadow), *face.font, k);
  PrintNumber(canvas, percent, x, y, Colour(settings.ColorText), *face.font, k);
}

void DrawBackingOffMark(Canvas& canvas, const FontScale& face) {
  const auto& mark = face.font->mark;
  const int k = face.scale, height = static_cast<int>(mark.size()), width = static_cast<int>(mark[0].size());
  const int left = canvas.Size() - k * (width + 1), top = canvas.Size() - k * height;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      const char c = mark[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
      if (c == '.') continue;
      const int x = left + column * k, y = top + row * k;
      canvas.FillBox(x, y, x + k - 1, y + k - 1, c == '!' ? kMarkYellow : kMarkGrey);
    }
  }
}

void DrawFrame(Canvas& canvas, const MainSettings& settings, int width) {
  const int last = canvas.Size() - 1;
  for (int i = 0; i < width; ++i) canvas.DrawBox(i, i, last - i, last - i, Colour(settings.ColorFrame));
}

}  // namespace

std::int16_t BarHeight(std::int16_t percent, int size) {
  const int product = percent * size;
  using Limits = std::numeric_limits<std::int16_t>;
  if (product > Limits::max() || product < Limits::min()) {
    throw ConversionError("percentage too large for the bar height");
  }
  return RoundToInt16(product / 100.0);
}

Canvas ComposeIcon(const MainSettings& settings, std::int16_t percent, const Picture* picture,
                   bool backingOff, int size) {
  const FontScale face = FontForIcon(size);
  const int h = BarHeight(percent, size);
  // The background colour first: a picture background covers only what the picture has pixels for.
  Canvas canvas(Colour(settings.ColorBack), size);
  if (settings.IconBack && picture) canvas.CopyScaled(*picture, kIconSize, 0, 0, size, size);
  DrawBar(canvas, settings, h, picture);
  if (settings.IconText) DrawDigits(canvas, settings, percent, face);
  if (settings.IconFrame) DrawFrame(canvas, settings, face.scale);
  if (backingOff) DrawBackingOffMark(canvas, face);
  return canvas;
}

}  // namespace vantor
