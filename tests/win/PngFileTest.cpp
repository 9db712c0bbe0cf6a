// PNG files written through the imaging component, and the capture port's screen copy.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>


#include "station/win/PngFile.h"
#include "station/win/WinCapture.h"
#include "station/win/WinWindows.h"
#include "tests/support/Harness.h"
#include "tests/support/PngRead.h"

namespace vantor {
namespace {

constexpr int kWidth = 758, kHeight = 514, kStride = (kWidth * 3 + 3) & ~3;

// A picture in which every pixel differs from its neighbours in every channel.
std::vector<std::uint8_t> Pattern() {
  std::vector<std::uint8_t> bits(static_cast<std::size_t>(kStride) * kHeight, 0xEE);  // padding
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      std::uint8_t* p = &bits[static_cast<std::size_t>(y) * kStride + x * 3];
      p[0] = static_cast<std::uint8_t>(x);          // blue
      p[1] = static_cast<std::uint8_t>(y);          // green
      p[2] = static_cast<std::uint8_t>(x * 7 + y);  // red
    }
  }
  return bits;
}

TEST(PngFile, DecodesBackToTheSamePixels) {
  test::ComScope com;
  test::TempFolder folder{L"png"};
  const std::vector<std::uint8_t> bits = Pattern();
  const std::wstring path = folder / L"20040307090503-37-CPU.png";
  ASSERT_TRUE(WritePng(path, BgrImage{kWidth, kHeight, kStride, bits.data()}));
  const auto png = test::ReadPng(path);
  ASSERT_TRUE(png.has_value());
  ASSERT_EQ(png->width, kWidth);
  ASSERT_EQ(png->height, kHeight);
  int wrong = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const std::uint8_t* p = &bits[static_cast<std::size_t>(y) * kStride + x * 3];
      const std::uint32_t expected = (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
      if (png->At(x, y) != expected && wrong++ < 5) ADD_FAILURE() << x << "," << y << " " << std::hex << png->At(x, y);
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(test::ReadBytes(path).substr(1, 3), "PNG");
}

TEST(PngFile, AFileThatCannotBeWrittenFailsAndLeavesNothing) {
  test::ComScope com;
  test::TempFolder folder{L"png"};
  const std::vector<std::uint8_t> bits = Pattern();
  const BgrImage image{kWidth, kHeight, kStride, bits.data()};
  EXPECT_FALSE(WritePng(folder / L"missing\\a.png", image));
  EXPECT_FALSE(test::Exists(folder / L"missing"));
  test::WriteBytes(folder / L"kept.png", "not mine");
  {
    // Another program holds the file without sharing it.
    OwnedFile held(::CreateFileW((folder / L"kept.png").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_FALSE(WritePng(folder / L"kept.png", image));
  }
  EXPECT_TRUE(test::ReadBytes(folder / L"kept.png") == "not mine") << "an existing file is not touched";
  EXPECT_FALSE(WritePng(folder / L"empty.png", BgrImage{}));
  EXPECT_FALSE(test::Exists(folder / L"empty.png"));
}

// At any scaling the picture holds all that the screen shows of a window of 758 x 514 of its
// own pixels at the origin (a mark at its lower right corner), where the process stays unaware
// of the scaling and scales the area by the resolutions (Windows 7 to 10 1511). The rectangle
// that later systems read of another program's window is shown by the whole-program captures:
// Wine maps no window of the caller's own process for a thread aware of each monitor.
TEST(ScreenCopy, CopiesTheScreenAtTheOriginAndSavesNothingOnceCleared) {
  test::ComScope com;
  test::TempFolder folder{L"cap"};
  // A window of one colour at the origin, topmost, as the agent stands during a capture.
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hbrBackground = ::CreateSolidBrush(RGB(200, 30, 90));
  wc.lpszClassName = L"VantorCaptureTestWindow";
  ::RegisterClassExW(&wc);
  HWND window = ::CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"", WS_POPUP, 300, 300, kWidth, kHeight,
                                  nullptr, nullptr, wc.hInstance, nullptr);
  ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, 700, 460, 58, 54, window, nullptr,
                    nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  WinCapture capture;
  WinWindows windows;
  windows.ShowWindow(reinterpret_cast<WindowHandle>(window), ShowCommand::ShowNormal);
  windows.SetWindowPos(reinterpret_cast<WindowHandle>(window), true, {0, 0});
  RECT rect{};
  ::GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, kWidth) << "the size is kept";
  ::UpdateWindow(window);
  test::WaitUntil([] { return false; }, 300);  // let the window draw
  capture.CopyScreen(CaptureArea(std::nullopt, capture.Resolution(), kWidth, kHeight));
  const std::wstring path = folder / L"shot.png";
  ASSERT_TRUE(capture.SavePicture(path));
  const auto png = test::ReadPng(path);
  ASSERT_TRUE(png.has_value());
  EXPECT_GE(png->width, kWidth);
  EXPECT_LT(std::abs(png->width * kHeight - png->height * kWidth), kWidth + kHeight) << "the window's proportions";
  const auto at = [&](int x, int y) { return png->At(x * png->width / kWidth, y * png->height / kHeight); };
  EXPECT_EQ(at(10, 10), 0xC81E5Au);
  EXPECT_EQ(at(690, 500), 0xC81E5Au);
  EXPECT_NE(at(kWidth - 1, kHeight - 1), 0xC81E5Au) << "the mark, in " << png->width << " x " << png->height;
  capture.ClearPicture();
  EXPECT_FALSE(capture.SavePicture(folder / L"cleared.png"));
  EXPECT_FALSE(test::Exists(folder / L"cleared.png"));
  ::DestroyWindow(window);
}

}  // namespace
}  // namespace vantor
