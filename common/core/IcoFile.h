// Encodes the 16 x 16 canvas as a single-image, 24-bit ICO file of 958 bytes: a 62-byte
// header (directory entry and bitmap header), the colour pixels bottom row first with each
// row from left to right in the byte order blue, green, red, then 128 bytes of all-zero mask
// (every pixel opaque). The directory declares 872 image bytes, a 64-byte mask; the 64 bytes
// after it are zero as well, so the file is the same 958 bytes whatever it held before.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "common/core/Canvas.h"

namespace vantor {

inline constexpr std::size_t kIcoHeaderSize = 62;
inline constexpr std::size_t kIcoImageOffset = 22;  // the image as the directory names it
inline constexpr std::size_t kIcoImageSize = 872;
inline constexpr std::size_t kIcoMaskOffset = kIcoHeaderSize + kIconSize * kIconSize * 3;  // 830
inline constexpr std::size_t kIcoMaskSize = 128;
inline constexpr std::size_t kIcoFileSize = kIcoMaskOffset + kIcoMaskSize;  // 958

using IcoBytes = std::array<std::uint8_t, kIcoFileSize>;

IcoBytes EncodeIco(const Canvas& canvas);

}  // namespace vantor
