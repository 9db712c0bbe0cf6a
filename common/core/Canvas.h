// The square RGB canvas that the progress icon is drawn on, 16 x 16 pixels unless the shell
// shows icons larger (up to 64 x 64), and the source picture that the platform loads from the
// user's bitmap. Colours are the platform's colour words 0x00BBGGRR (red in the low byte); the
// canvas keeps only these 24 bits of any colour it is given.
//
// Every drawing operation clips to the canvas: coordinates may be negative or beyond the last
// row and column, and whatever falls outside the canvas is dropped.
#pragma once

#include <cstdint>
#include <vector>

namespace vantor {

inline constexpr int kIconSize = 16;     // the icon file's size, and the canvas's unless told
inline constexpr int kMaxIconSize = 64;  // the largest canvas: a small icon at 400 %
inline constexpr std::uint32_t kColourMask = 0x00FFFFFF;

// An arbitrary width x height RGB image, row-major, in colour words.
class Picture {
 public:
  Picture() = default;
  // A picture of one colour. Negative sizes give an empty picture.
  Picture(int width, int height, std::uint32_t colour = 0);
  // Takes `pixels` row by row; throws std::invalid_argument unless there are width x height.
  Picture(int width, int height, std::vector<std::uint32_t> pixels);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Both throw std::out_of_range for a point outside the picture.
  std::uint32_t Pixel(int x, int y) const;
  void SetPixel(int x, int y, std::uint32_t colour);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

class Canvas {
 public:
  // A canvas of `size` x `size` pixels of one colour; throws std::invalid_argument for a size
  // outside kIconSize to kMaxIconSize.
  explicit Canvas(std::uint32_t colour = 0, int size = kIconSize);

  int Size() const { return size_; }

  // Fills the whole canvas.
  void Clear(std::uint32_t colour);

  // The colour at (x, y); throws std::out_of_range outside the canvas.
  std::uint32_t Pixel(int x, int y) const;
  // Sets one pixel; a point outside the canvas is dropped.
  void SetPixel(int x, int y, std::uint32_t colour);

  // Boxes between two corner points given in any order; both corners belong to the box.
  void FillBox(int x1, int y1, int x2, int y2, std::uint32_t colour);
  void DrawBox(int x1, int y1, int x2, int y2, std::uint32_t colour);  // outline only

  // Copies the rectangle (x, y, width, height) of `source` onto the same rectangle of the
  // canvas, pixel for pixel. An empty or negative width or height copies nothing. Where the
  // rectangle reaches beyond the picture, there is no source pixel and the canvas pixel
  // keeps its colour; where it reaches beyond the canvas, the pixel is dropped.
  void CopyFrom(const Picture& source, int x, int y, int width, int height);
  // The same with the top-left `from` x `from` square of `source` stretched over the whole
  // canvas as ScaleByWholePixels stretches an image: each canvas pixel takes the source pixel
  // under its centre. CopyFrom is this with `from` the canvas's own size.
  void CopyScaled(const Picture& source, int from, int x, int y, int width, int height);

  bool operator==(const Canvas&) const = default;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < size_ && y < size_; }

  int size_ = kIconSize;
  std::vector<std::uint32_t> pixels_;
};

// A square image of `from` x `from` pixels (row-major) at `to` x `to` by whole pixels: each
// target pixel takes the source pixel under its centre, so every source pixel becomes a block
// of whole pixels and no colour is blended. Throws std::invalid_argument for a wrong size.
std::vector<std::uint32_t> ScaleByWholePixels(const std::vector<std::uint32_t>& pixels, int from, int to);

// The canvas at `size` x `size` pixels, the same way, whatever its own size.
std::vector<std::uint32_t> ScaleCanvas(const Canvas& canvas, int size);

}  // namespace vantor
