#include "common/core/IcoFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/core/IconComposer.h"

namespace vantor {
namespace {

TEST(EncodeIco, HeaderDescribesOne16By16ImageAndTheMaskIsZero) {
  const IcoBytes bytes = EncodeIco(Canvas(0x123456));
  ASSERT_EQ(bytes.size(), 958u);
  struct Field { std::size_t offset; int size; std::uint32_t value; };
  const Field fields[] = {
      {0, 2, 0},  {2, 2, 1},  {4, 2, 1},   {6, 1, 16},   {7, 1, 16},  {8, 1, 0},   {9, 1, 0},   {10, 2, 1},
      {12, 2, 24}, {14, 4, 872}, {18, 4, 22}, {22, 4, 40}, {26, 4, 16}, {30, 4, 32}, {34, 2, 1},  {36, 2, 24},
      {38, 4, 0}, {42, 4, 0}, {46, 4, 0},  {50, 4, 0},   {54, 4, 0},  {58, 4, 0},
  };
  for (const auto& f : fields) {
    std::uint32_t value = 0;
    for (int i = f.size - 1; i >= 0; --i) value = value << 8 | bytes[f.offset + static_cast<std::size_t>(i)];
    EXPECT_EQ(value, f.value) << "offset " << f.offset;
  }
  for (std::size_t i = 830; i < bytes.size(); ++i) EXPECT_EQ(bytes[i], 0) << "mask byte " << i;
}

TEST(EncodeIco, PixelsGoBottomRowFirstAsBlueGreenRed) {
  const IcoBytes red = EncodeIco(Canvas(0x0000FF));
  EXPECT_EQ(std::vector<int>(red.begin() + 62, red.begin() + 65), std::vector<int>({0x00, 0x00, 0xFF}));

  Canvas corner(0);
  corner.SetPixel(0, 0, 0xFFFFFF);
  const IcoBytes top = EncodeIco(corner);
  for (std::size_t i = 62; i < 830; ++i) EXPECT_EQ(top[i], i >= 782 && i <= 784 ? 0xFF : 0x00) << i;

  // Every pixel its own colour: (x, y) lands at 62 + (15 - y) * 48 + x * 3.
  Canvas all(0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) all.SetPixel(x, y, 0x010000u * (x + 1) + 0x100u * (y + 1) + 0x80);
  }
  const IcoBytes bytes = EncodeIco(all);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const auto at = bytes.begin() + 62 + (15 - y) * 48 + x * 3;
      EXPECT_EQ(std::vector<int>(at, at + 3), std::vector<int>({x + 1, y + 1, 0x80})) << x << "," << y;
    }
  }
}

TEST(EncodeIco, TheProgramsOwnIconIsTheProgressIconAtFifty) {
  // Both programs carry this file as their icon; it is what the composer draws.
  std::ifstream file(VANTOR_SOURCE_DIR "/resources/vantor.ico", std::ios::binary);
  const std::vector<unsigned char> stored{std::istreambuf_iterator<char>(file), {}};
  const IcoBytes drawn = EncodeIco(ComposeIcon(MainSettings{}, 50, nullptr, false));
  EXPECT_EQ(stored, std::vector<unsigned char>(drawn.begin(), drawn.end()));
}

}  // namespace
}  // namespace vantor
