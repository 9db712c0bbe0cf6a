#include "common/core/Canvas.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vantor {
namespace {

std::size_t Index(int x, int y, int width) {
  return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
}

// The source pixel under the centre of target pixel t when `from` pixels become `to`.
int SourceOf(int t, int from, int to) { return static_cast<int>((2LL * t + 1) * from / (2LL * to)); }

}  // namespace

Picture::Picture(int width, int height, std::uint32_t colour)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(Index(0, height_, width_), colour & kColourMask) {}

Picture::Picture(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), pixels_(std::move(pixels)) {
  if (pixels_.size() != Index(0, height_, width_)) {
    throw std::invalid_argument("picture size does not match its pixels");
  }
  for (auto& pixel : pixels_) pixel &= kColourMask;
}

std::uint32_t Picture::Pixel(int x, int y) const {
  if (!Contains(x, y)) throw std::out_of_range("point outside the picture");
  return pixels_[Index(x, y, width_)];
}

void Picture::SetPixel(int x, int y, std::uint32_t colour) {
  if (!Contains(x, y)) throw std::out_of_range("point outside the picture");
  pixels_[Index(x, y, width_)] = colour & kColourMask;
}

Canvas::Canvas(std::uint32_t colour, int size) : size_(size) {
  if (size < kIconSize || size > kMaxIconSize) throw std::invalid_argument("no icon of that size");
  pixels_.assign(Index(0, size_, size_), colour & kColourMask);
}

void Canvas::Clear(std::uint32_t colour) { std::fill(pixels_.begin(), pixels_.end(), colour & kColourMask); }

std::uint32_t Canvas::Pixel(int x, int y) const {
  if (!Inside(x, y)) throw std::out_of_range("point outside the canvas");
  return pixels_[Index(x, y, size_)];
}

void Canvas::SetPixel(int x, int y, std::uint32_t colour) {
  if (Inside(x, y)) pixels_[Index(x, y, size_)] = colour & kColourMask;
}

void Canvas::FillBox(int x1, int y1, int x2, int y2, std::uint32_t colour) {
  // Clip first, so that far-away corners cost nothing.
  const int left = std::max(std::min(x1, x2), 0);
  const int right = std::min(std::max(x1, x2), size_ - 1);
  const int top = std::max(std::min(y1, y2), 0);
  const int bottom = std::min(std::max(y1, y2), size_ - 1);
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) SetPixel(x, y, colour);
  }
}

void Canvas::DrawBox(int x1, int y1, int x2, int y2, std::uint32_t colour) {
  FillBox(x1, y1, x2, y1, colour);
  FillBox(x1, y2, x2, y2, colour);
  FillBox(x1, y1, x1, y2, colour);
  FillBox(x2, y1, x2, y2, colour);
}

void Canvas::CopyFrom(const Picture& source, int x, int y, int width, int height) {
  CopyScaled(source, size_, x, y, width, height);
}

void Canvas::CopyScaled(const Picture& source, int from, int x, int y, int width, int height) {
  if (width <= 0 || height <= 0 || from <= 0) return;
  // Limit the loops to the canvas in 64 bits: x + width may exceed the int range.
  const int left = std::max(x, 0);
  const int top = std::max(y, 0);
  const int right = static_cast<int>(std::min<long long>(static_cast<long long>(x) + width, size_));
  const int bottom = static_cast<int>(std::min<long long>(static_cast<long long>(y) + height, size_));
  for (int py = top; py < bottom; ++py) {
    for (int px = left; px < right; ++px) {
      const int sx = SourceOf(px, from, size_), sy = SourceOf(py, from, size_);
      if (source.Contains(sx, sy)) SetPixel(px, py, source.Pixel(sx, sy));
    }
  }
}

std::vector<std::uint32_t> ScaleByWholePixels(const std::vector<std::uint32_t>& pixels, int from, int to) {
  if (from <= 0 || to <= 0 || pixels.size() != static_cast<std::size_t>(from) * static_cast<std::size_t>(from)) {
    throw std::invalid_argument("not a square of that size");
  }
  std::vector<int> source(static_cast<std::size_t>(to));
  for (int t = 0; t < to; ++t) source[static_cast<std::size_t>(t)] = SourceOf(t, from, to);
  std::vector<std::uint32_t> scaled(static_cast<std::size_t>(to) * static_cast<std::size_t>(to));
  for (int y = 0; y < to; ++y) {
    for (int x = 0; x < to; ++x) {
      scaled[static_cast<std::size_t>(y * to + x)] =
          pixels[static_cast<std::size_t>(source[static_cast<std::size_t>(y)] * from + source[static_cast<std::size_t>(x)])];
    }
  }
  return scaled;
}

std::vector<std::uint32_t> ScaleCanvas(const Canvas& canvas, int size) {
  const int from = canvas.Size();
  std::vector<std::uint32_t> pixels(Index(0, from, from));
  for (int y = 0; y < from; ++y) {
    for (int x = 0; x < from; ++x) pixels[Index(x, y, from)] = canvas.Pixel(x, y);
  }
  return ScaleByWholePixels(pixels, from, size);
}

}  // namespace vantor
