#include "common/core/IcoFile.h"

#include <algorithm>
#include <stdexcept>

namespace vantor {
namespace {

// Little-endian throughout.
constexpr std::array<std::uint8_t, kIcoHeaderSize> kHeader = {
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00,  // reserved, type icon, one image
    0x10, 0x10, 0x00, 0x00,              // 16 x 16, no palette, reserved
    0x01, 0x00, 0x18, 0x00,              // planes, 24 bits per pixel
    0x68, 0x03, 0x00, 0x00,              // 872 bytes in the image
    0x16, 0x00, 0x00, 0x00,              // image at offset 22
    0x28, 0x00, 0x00, 0x00,              // bitmap header size 40
    0x10, 0x00, 0x00, 0x00,              // width 16
    0x20, 0x00, 0x00, 0x00,              // height 32: colour image and mask
    0x01, 0x00, 0x18, 0x00,              // planes, 24 bits per pixel
    0x00, 0x00, 0x00, 0x00,              // uncompressed
    0x00, 0x00, 0x00, 0x00,              // image size (may be 0 when uncompressed)
    0x00, 0x00, 0x00, 0x00,              // horizontal resolution
    0x00, 0x00, 0x00, 0x00,              // vertical resolution
    0x00, 0x00, 0x00, 0x00,              // colours used
    0x00, 0x00, 0x00, 0x00,              // important colours
};

}  // namespace

IcoBytes EncodeIco(const Canvas& canvas) {
  if (canvas.Size() != kIconSize) throw std::invalid_argument("the icon file holds a 16 x 16 image");
  IcoBytes bytes{};  // the mask stays zero
  std::copy(kHeader.begin(), kHeader.end(), bytes.begin());
  std::size_t offset = kIcoHeaderSize;
  for (int y = kIconSize - 1; y >= 0; --y) {
    for (int x = 0; x < kIconSize; ++x) {
      const std::uint32_t colour = canvas.Pixel(x, y);  // 0x00BBGGRR
      bytes[offset++] = static_cast<std::uint8_t>(colour >> 16);
      bytes[offset++] = static_cast<std::uint8_t>(colour >> 8);
      bytes[offset++] = static_cast<std::uint8_t>(colour);
    }
  }
  return bytes;
}

}  // namespace vantor
