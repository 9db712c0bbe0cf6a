// How the pages look at the display's DPI: every page fits its window, and pictures of every
// page for looking at them, written as BMP files into the folder named by VANTOR_SCREENSHOTS
// (skipped when it is not set).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "common/win/Dpi.h"
#include "tests/e2e/PreferenceProgram.h"

namespace vantor::test {
namespace {

// The screen area of `window` as a 24-bit bottom-up BMP file.
void SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ::SelectObject(memory, old);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  const int stride = (width * 3 + 3) & ~3;
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), '\0');
  ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
  bytes += pixels;
  WriteBytes(path, bytes);
}

// Every visible control of every page lies inside its parent's client area (a page inside the
// window), and a control that starts inside a group box ends inside it; pages scroll only
// where the work area is too small for them. Measured in the window's own DPI space.
TEST(PreferenceLook, EveryPageFitsItsWindow) {
  PreferenceProgram pref;
  Process p = pref.Start();
  HWND main = PreferenceProgram::MainWindow(p);
  ASSERT_NE(main, nullptr);
  void* previous = EnterDpi(WindowDpi(main));
  std::map<HWND, std::string> out;
  bool scrolling = false;
  const auto rectIn = [](HWND w, HWND parent) {
    RECT r{};
    ::GetWindowRect(w, &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  };
  const auto check = [&](HWND w, const RECT& r, const RECT& area, const char* what) {
    if (out.count(w) || (r.left >= area.left && r.top >= area.top && r.right <= area.right && r.bottom <= area.bottom)) return;
    char line[160];
    wsprintfA(line, "id %d %s: %ld,%ld-%ld,%ld in %ld,%ld-%ld,%ld", ::GetDlgCtrlID(w), what, r.left, r.top, r.right,
              r.bottom, area.left, area.top, area.right, area.bottom);
    out[w] = line;
  };
  for (HTREEITEM node : PreferenceProgram::Nodes(main)) {
    PreferenceProgram::SelectNode(main, node);
    std::vector<HWND> shown{main};
    ::EnumChildWindows(main, [](HWND w, LPARAM list) -> BOOL {
      if (::IsWindowVisible(w)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(w);
      return TRUE;
    }, reinterpret_cast<LPARAM>(&shown));
    for (HWND w : shown) {
      if (w == main) continue;
      HWND parent = ::GetParent(w);
      RECT client{};
      ::GetClientRect(parent, &client);
      const RECT r = rectIn(w, parent);
      // A page that scrolls holds more than its client area: its frame, a box, holds it all.
      const bool scrolls = (::GetWindowLongW(parent, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
      scrolling = scrolling || scrolls;
      if (!scrolls) check(w, r, client, "outside its parent");
      for (HWND box : shown) {
        wchar_t cls[16] = {};
        ::GetClassNameW(box, cls, 16);
        if (box == w || ::GetParent(box) != parent || lstrcmpiW(cls, L"Button") != 0 ||
            (::GetWindowLongW(box, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX) continue;
        const RECT b = rectIn(box, parent);
        if (r.left > b.left && r.top > b.top && r.left < b.right && r.top < b.bottom) check(w, r, b, "outside its box");
      }
    }
  }
  RECT window{}, work{};
  ::GetWindowRect(main, &window);
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  LeaveDpi(previous);
  // Pages scroll only in a window that fills the work area's width or height.
  EXPECT_TRUE(!scrolling || window.right - window.left >= work.right - work.left ||
              window.bottom - window.top >= work.bottom - work.top);
  std::string list;
  for (const auto& [w, line] : out) list += "\n  " + line;
  EXPECT_TRUE(out.empty()) << out.size() << " controls out:" << list;
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(PreferenceLook, EveryPageAsAPicture) {
  const wchar_t* folder = _wgetenv(L"VANTOR_SCREENSHOTS");
  if (!folder || !*folder) GTEST_SKIP() << "VANTOR_SCREENSHOTS names no folder";
  PreferenceProgram pref;
  WriteBytes(pref.File(L"links.lst"), Ansi(L"ホーム,http://vantor.example.org/\r\nニュース,http://news.example/\r\n"));
  // Settings that fill the sound, save-watch and capture pages.
  WriteBytes(pref.File(L"Vantor.ini"),
             Ansi(L"[sound]\r\nfilename1=C:\\Sounds\\up.wav\r\nprogress=1\r\nfilename2=C:\\Sounds\\alarm.wav\r\n"
                  L"alarmpercent=1\r\nschedule=25,50,75,100,;,\r\n[save]\r\nfolder=C:\\UDAgent\r\nbakkin=12\r\n"
                  L"[capture]\r\nfolder=C:\\キャプチャ\\\r\ncpu=1\r\ncpuschedule=50,100,;,\r\nmolschedule=99,;,\r\n"
                  L"delay_mol=1500\r\n[priority]\r\nfrequency=2\r\n"));
  Process p = pref.Start();
  HWND main = PreferenceProgram::MainWindow(p);
  ASSERT_NE(main, nullptr);
  const std::vector<HTREEITEM> nodes = PreferenceProgram::Nodes(main);
  ASSERT_EQ(nodes.size(), 10u);
  const wchar_t* names[] = {L"icon", L"balloon", L"sound", L"save", L"capture",
                            L"capture-detail", L"other", L"bookmark", L"priority", L"version"};
  void* previous = EnterDpi(WindowDpi(main));  // the screen's own pixels
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    PreferenceProgram::SelectNode(main, nodes[i]);
    // Let the page paint.
    WaitUntil([] { return false; }, 400);
    SaveWindowPicture(main, std::wstring(folder) + L"\\preference-" + names[i] + L".bmp");
  }
  LeaveDpi(previous);
  ::PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(p.Wait(10000));
}

}  // namespace
}  // namespace vantor::test
