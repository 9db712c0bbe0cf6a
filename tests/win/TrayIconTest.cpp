// The icon file, the icon made from its bytes, pictures and the notification area.
#include <gtest/gtest.h>

#include <vector>

#include "common/core/IconComposer.h"
#include "common/core/IcoFile.h"
#include "common/win/Dib.h"
#include "common/win/Dpi.h"
#include "common/win/Handle.h"
#include "common/win/Windows.h"
#include "common/win/WinPicture.h"
#include "station/win/TrayIcon.h"
#include "station/win/WinIconFile.h"
#include "tests/support/Harness.h"

#include <psapi.h>
#include <shellapi.h>

namespace vantor {
namespace {

// The pixels of an icon as drawn on a square bitmap of its size filled with `behind`, as colour words.
std::vector<std::uint32_t> Rendered(HICON icon, int size, int behind) {
  const test::MemoryBitmap bitmap(size, size);
  RECT all{0, 0, size, size};
  ::FillRect(bitmap.Dc(), &all, static_cast<HBRUSH>(::GetStockObject(behind)));
  ::DrawIconEx(bitmap.Dc(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  return bitmap.Pixels();
}

class TrayIconTest : public ::testing::Test {
 protected:
  test::TempFolder folder{L"tray"};
  TrayIcon tray{::GetModuleHandleW(nullptr)};
  WinIconFile iconFile;
  WinPictures pictures;
  std::wstring ico = folder / L"temp.ico";
};

TEST_F(TrayIconTest, EachFaceIsPublishedAtItsOwnSizeAndOpaque) {
  // The shell's small-icon size on this bed's display: 16, 20, 24, 32 at 100 to 200 %.
  ::SetProcessDPIAware();
  const int dpi = ::GetDeviceCaps(ScreenDc().Get(), LOGPIXELSY);
  EXPECT_EQ(tray.IconSize(), ::MulDiv(16, dpi, 96)) << dpi << " DPI";
  MainSettings look;
  look.ColorBack = 0x204060;
  for (int size : {16, 20, 24, 32}) {
    const Canvas canvas = ComposeIcon(look, 37, nullptr, true, size);
    ASSERT_TRUE(tray.PublishIcon(canvas));
    // At its own size (a face of another size would be stretched into other pixels), and
    // nothing behind it shows through, whatever lies behind.
    EXPECT_EQ(Rendered(tray.Icon(), size, WHITE_BRUSH), ScaleCanvas(canvas, size)) << size;
    EXPECT_EQ(Rendered(tray.Icon(), size, BLACK_BRUSH), ScaleCanvas(canvas, size)) << size;
  }
}

TEST_F(TrayIconTest, ALongerFileKeepsItsTail) {
  test::WriteBytes(ico, std::string(2000, '\x5A'));
  ASSERT_TRUE(iconFile.WriteIconFile(ico, EncodeIco(Canvas(0x0000FF))));
  const std::string bytes = test::ReadBytes(ico);
  ASSERT_EQ(bytes.size(), 2000u);
  EXPECT_EQ(bytes.substr(62, 3), std::string("\x00\x00\xFF", 3));
  EXPECT_EQ(bytes[958], '\x5A');
}

TEST_F(TrayIconTest, AnUnwritableIconFileFails) {
  EXPECT_FALSE(iconFile.WriteIconFile(folder / L"missing\\temp.ico", EncodeIco(Canvas())));
}

TEST_F(TrayIconTest, EveryReplacedIconIsReleased) {
  PROCESS_MEMORY_COUNTERS before{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &before, sizeof(before));
  HICON previous = nullptr;
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(tray.PublishIcon(Canvas(0x00FF00)));
    if (previous) {
      ICONINFO info{};
      ASSERT_FALSE(::GetIconInfo(previous, &info)) << "icon " << i << " was not released";
    }
    previous = tray.Icon();
  }
  PROCESS_MEMORY_COUNTERS after{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &after, sizeof(after));
  EXPECT_LT(after.PagefileUsage, before.PagefileUsage + 2 * 1024 * 1024);
}

TEST_F(TrayIconTest, AddModifyAndDeleteSucceed) {
  ASSERT_TRUE(tray.PublishIcon(Canvas(0xFF0000)));
  NotifyRecord record;
  record.tip = L"Vantor \r\nNo task \r\n0%";
  EXPECT_TRUE(tray.NotifyIcon(NotifyMode::Add, record));
  record.tip = std::wstring(300, L'x');  // longer than the field: cut
  EXPECT_TRUE(tray.NotifyIcon(NotifyMode::Modify, record));
  record.extended = true;
  record.flags |= kNifInfo;
  record.info = L"Vantor \r\nLigandFit \r\n37%";
  record.infoTitle = L"Vantor";
  record.timeout = 3000;
  record.infoFlags = kNiifInfo;
  EXPECT_TRUE(tray.NotifyIcon(NotifyMode::Modify, record));
  EXPECT_TRUE(tray.NotifyIcon(NotifyMode::Delete, record));
  EXPECT_FALSE(tray.NotifyIcon(NotifyMode::Modify, record)) << "gone";
}

// A shell played by the test (Wine hands it each call as WM_COPYDATA, the message in dwData):
// it counts the adds and refuses them while it is not ready.
int g_adds = 0;
bool g_shellReady = false;

LRESULT CALLBACK SlowShell(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  if (reinterpret_cast<const COPYDATASTRUCT*>(lParam)->dwData != NIM_ADD) return TRUE;
  ++g_adds;
  return g_shellReady;
}

TEST_F(TrayIconTest, AFailedAddIsRetriedUntilAnAddSucceeds) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = SlowShell;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"Shell_TrayWnd";
  ::RegisterClassW(&wc);
  HWND shell =
      ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_EQ(::FindWindowW(L"Shell_TrayWnd", nullptr), shell) << "this test plays the shell";
  EXPECT_FALSE(tray.NotifyIcon(NotifyMode::Add, NotifyRecord{}));
  EXPECT_TRUE(test::WaitUntil([] { return g_adds == 2; }, 3000)) << "retried a second later";
  g_shellReady = true;
  EXPECT_TRUE(tray.NotifyIcon(NotifyMode::Add, NotifyRecord{}));  // as after the shell's announcement
  test::WaitUntil([] { return false; }, 2500);
  EXPECT_EQ(g_adds, 3) << "no retry after an add that succeeded";
  ::DestroyWindow(shell);
  ::UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST_F(TrayIconTest, PicturesLoadFromBitmapFiles) {
  // A 2 x 2 24-bit bitmap, bottom row first: red, green / blue, white.
  std::string bmp = "BM";
  auto u32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF); };
  auto u16 = [&](std::uint16_t v) { bmp += static_cast<char>(v & 0xFF); bmp += static_cast<char>(v >> 8); };
  u32(54 + 16); u32(0); u32(54);
  u32(40); u32(2); u32(2); u16(1); u16(24); u32(0); u32(16); u32(0); u32(0); u32(0); u32(0);
  bmp += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00", 8);  // bottom row: red, green, padding
  bmp += std::string("\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 8);  // top row: blue, white, padding
  test::WriteBytes(folder / L"pic.bmp", bmp);
  const auto picture = pictures.LoadPicture(folder / L"pic.bmp");
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->Width(), 2);
  EXPECT_EQ(picture->Pixel(0, 1), 0x0000FFu);  // red
  EXPECT_EQ(picture->Pixel(1, 1), 0x00FF00u);
  EXPECT_EQ(picture->Pixel(0, 0), 0xFF0000u);  // blue
  EXPECT_EQ(picture->Pixel(1, 0), 0xFFFFFFu);
  test::WriteBytes(folder / L"fake.bmp", "GIF89a");
  EXPECT_FALSE(pictures.LoadPicture(folder / L"fake.bmp").has_value());
  EXPECT_FALSE(pictures.LoadPicture(folder / L"none.bmp").has_value());
}

}  // namespace
}  // namespace vantor
