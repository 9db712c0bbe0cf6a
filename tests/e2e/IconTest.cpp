// The progress icon as a user sees it: temp.ico in the program folder and the icon window.
#include <gtest/gtest.h>

#include <map>

#include "common/core/Canvas.h"
#include "common/core/IconComposer.h"
#include "common/core/IcoFile.h"
#include "common/win/Dpi.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

std::string IcoOf(std::int16_t percent, bool backingOff = false) {
  const IcoBytes bytes = EncodeIco(ComposeIcon(MainSettings{}, percent, nullptr, backingOff));
  return std::string(bytes.begin(), bytes.end());
}

// The colour word of pixel (x, y) of a 958-byte icon file (bottom row first, blue first).
std::uint32_t IcoPixel(const std::string& ico, int x, int y) {
  const std::size_t at = 62 + static_cast<std::size_t>((15 - y) * 48 + x * 3);
  const auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(ico[i])); };
  return byte(at) << 16 | byte(at + 1) << 8 | byte(at + 2);
}

class IconTest : public ::testing::Test {
 protected:
  void StartAgent(int width) {
    const std::wstring science = vantor.File(L"ud_ligfit_Release.exe");
    ::CopyFileW((BinFolder() + L"\\agent.exe").c_str(), science.c_str(), FALSE);
    agent = Process::Start(science, L"--width " + std::to_wstring(width));
    ASSERT_TRUE(WaitUntil([&] { return FindProcessWindow(agent.Id(), L"ThunderRT6formDC") != nullptr; }));
  }
  void SetWidth(int width) {
    static const UINT message = ::RegisterWindowMessageW(L"VantorTestAgent.SetWidth");
    // Both windows of the agent answer the message.
    HWND form = FindProcessWindow(agent.Id(), L"ThunderRT6formDC");
    ::SendMessageW(form, message, static_cast<WPARAM>(width), 0);
  }
  // Waits until temp.ico holds `expected`; returns how long it took in milliseconds.
  ULONGLONG WaitForIcon(const std::string& expected, DWORD limit) {
    const ULONGLONG start = ::GetTickCount64();
    WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == expected; }, limit);
    return ::GetTickCount64() - start;
  }

  VantorProgram vantor;
  Process agent;
};

TEST_F(IconTest, TheAgentsProgressAppearsInTempIcoWithinTwoSeconds) {
  StartAgent(0);
  Process p = vantor.Start();
  EXPECT_LE(WaitForIcon(IcoOf(0), 5000), 5000u);
  SetWidth(84);
  const ULONGLONG took = WaitForIcon(IcoOf(37), 4000);
  EXPECT_LE(took, 2000u) << "37 % reached temp.ico after " << took << " ms";
  const std::string ico = ReadBytes(vantor.File(L"temp.ico"));
  ASSERT_EQ(ico, IcoOf(37));
  // The bar covers rows 10 to 15 (6 of 16); right of the digits, row 9 is background.
  const MainSettings look;
  for (int y = 10; y <= 14; ++y) EXPECT_EQ(IcoPixel(ico, 14, y), static_cast<std::uint32_t>(look.ColorGraph)) << y;
  EXPECT_EQ(IcoPixel(ico, 14, 9), static_cast<std::uint32_t>(look.ColorBack));
  EXPECT_EQ(IcoPixel(ico, 0, 0), static_cast<std::uint32_t>(look.ColorFrame));

  SetWidth(113);
  EXPECT_LE(WaitForIcon(IcoOf(50), 4000), 2000u);
  agent.Terminate();
  EXPECT_LE(WaitForIcon(IcoOf(0), 4000), 2000u) << "a vanished agent shows 0 %";
  EXPECT_TRUE(vantor.Exit(p));
}

TEST_F(IconTest, TheIconWindowShowsTheIconAtItsSavedPlace) {
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[window]\r\ntop=150\r\nleft=300\r\n[visible]\r\nwindow=1\r\ntasktray=0\r\n");
  // This test sees the screen's own pixels: the stored place is in pixels of 1/96 inch.
  ::SetProcessDPIAware();
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  const int left = ::MulDiv(300, dpi, 96), top = ::MulDiv(150, dpi, 96);
  StartAgent(227);
  Process p = vantor.Start();
  ASSERT_LE(WaitForIcon(IcoOf(100), 5000), 5000u);
  HWND station = vantor.StationWindow(p);
  // Aware of each monitor's scaling, so that the system tells it when that changes (WM_DPICHANGED).
  using Awareness = int(WINAPI*)(void*);
  const auto awareness = reinterpret_cast<Awareness>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetAwarenessFromDpiAwarenessContext")));
  if (awareness && WindowDpi(station)) {
    EXPECT_EQ(awareness(WindowDpi(station)), 2) << "per monitor";
  }
  RECT rect{};
  ASSERT_TRUE(WaitUntil([&] {
    ::GetWindowRect(station, &rect);
    return ::IsWindowVisible(station) && rect.left == left && rect.top == top;
  })) << rect.left << "," << rect.top << " at " << dpi << " DPI";
  // What the screen shows there is the icon, 240 twips square, drawn at that size.
  ::Sleep(300);
  const std::map<int, int> sizes = {{96, 16}, {120, 20}, {144, 24}, {192, 32}};
  ASSERT_EQ(sizes.count(dpi), 1u) << dpi;
  const int size = sizes.at(dpi);
  EXPECT_EQ(rect.right - rect.left, size);
  EXPECT_EQ(rect.bottom - rect.top, size);
  const Canvas face = ComposeIcon(MainSettings{}, 100, nullptr, false, size);
  int same = 0;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) same += ::GetPixel(screen, left + x, top + y) == face.Pixel(x, y) ? 1 : 0;
  }
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(same, size * size);
  EXPECT_TRUE(vantor.Exit(p));
  const std::string ini = ReadBytes(vantor.File(L"Vantor.ini"));
  EXPECT_NE(ini.find("top=150\r\nleft=300\r\n"), std::string::npos) << ini;
  EXPECT_NE(ini.find("window=1\r\ntasktray=0\r\n"), std::string::npos) << ini;
}

// Whether the screen shows `face` whole, every pixel its own, somewhere inside `window`.
bool ScreenShows(HWND window, const Canvas& face) {
  RECT rect{};
  if (!window || !::GetWindowRect(window, &rect)) return false;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top, size = face.Size();
  if (width < size || height < size) return false;
  const MemoryBitmap copy(width, height);
  ::BitBlt(copy.Dc(), 0, 0, width, height, ScreenDc().Get(), rect.left, rect.top, SRCCOPY);
  const std::vector<std::uint32_t> pixels = copy.Pixels();
  const auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; };
  bool found = false;
  for (int top = 0; !found && top + size <= height; ++top) {
    for (int left = 0; !found && left + size <= width; ++left) {
      found = true;
      for (int i = 0; found && i < size * size; ++i) found = at(left + i % size, top + i / size) == face.Pixel(i % size, i / size);
    }
  }
  return found;
}

TEST_F(IconTest, TheTrayShowsTheFaceOfItsSizeWholeAndOpaque) {
  StartAgent(84);
  Process p = vantor.Start();
  ASSERT_LE(WaitForIcon(IcoOf(37), 5000), 5000u);
  // Without a desktop shell, Wine 10 shows the icons in a taskbar window of its own, Wine 8 in
  // a window with one child per icon.
  const Canvas face = ComposeIcon(MainSettings{}, 37, nullptr, false, ShellIconSize());
  HWND tray = nullptr;
  EXPECT_TRUE(WaitUntil([&] {
    if (ScreenShows(tray = ::FindWindowW(L"Shell_TrayWnd", nullptr), face)) return true;
    tray = ::FindWindowW(L"__winex11_standalone_tray", nullptr);
    for (HWND icon = nullptr; tray && (icon = ::FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));) {
      if (ScreenShows(icon, face)) return true;
    }
    return false;
  }, 5000)) << "no tray icon shows the " << face.Size() << "-pixel face, every pixel its own";
  const wchar_t* shots = _wgetenv(L"VANTOR_SCREENSHOTS");
  if (tray && shots && *shots) SaveWindowPicture(tray, std::wstring(shots) + L"\\tray.bmp");
  EXPECT_TRUE(vantor.Exit(p));
}

TEST_F(IconTest, BackingOffBlinksBetweenTheTwoIcons) {
  WriteBytes(vantor.File(L"Vantor.ini"), "[save]\r\nbakkin=0\r\n");  // no minutes to wait
  StartAgent(0);
  Process p = vantor.Start();
  EXPECT_LE(WaitForIcon(IcoOf(0, true), 6000), 6000u) << "the backing-off icon";
  EXPECT_LE(WaitForIcon(IcoOf(0, false), 3000), 2000u) << "then the normal one";
  EXPECT_LE(WaitForIcon(IcoOf(0, true), 3000), 2000u) << "and again";
  SetWidth(3);
  EXPECT_LE(WaitForIcon(IcoOf(1), 3000), 2000u) << "progress ends backing off";
  EXPECT_TRUE(vantor.Exit(p));
}

}  // namespace
}  // namespace vantor::test
