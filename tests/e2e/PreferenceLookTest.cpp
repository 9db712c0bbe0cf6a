// How the pages look at the display's DPI: every page fits its window, and pictures of every
// page for looking at them, written as BMP files into the folder named by VANTOR_SCREENSHOTS
// (skipped when it is not set).
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "common/core/History.h"
#include "common/win/Dpi.h"
#include "tests/e2e/PreferenceProgram.h"

namespace vantor::test {
namespace {

// Every visible control of every page lies inside its parent's client area (a page inside the
// window), and a control that starts inside a group box ends inside it; pages scroll only
// where the work area is too small for them, and there Tab brings each control it reaches into
// view (wholly where it fits, else its start). Measured in the window's own DPI space.
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
  // Tab from the tree into the page and through it, until the focus leaves it.
  const auto tabThrough = [&](HWND page) {
    RECT view{};
    ::GetClientRect(page, &view);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = ::GetWindowThreadProcessId(main, nullptr);
    for (int n = 0, inside = 0; n < 80 && ::GetGUIThreadInfo(thread, &info); ++n) {
      HWND from = info.hwndFocus, to = from;
      ::PostMessageW(from, WM_KEYDOWN, VK_TAB, 0);
      if (!WaitUntil([&] { return ::GetGUIThreadInfo(thread, &info) && (to = info.hwndFocus) != from; }, 3000)) return;
      if (!::IsChild(page, to) && inside) return;
      if (!::IsChild(page, to)) continue;
      for (inside = 1; ::GetParent(to) != page;) to = ::GetParent(to);
      const RECT r = rectIn(to, page);  // wholly in view where it fits, else its start
      const bool fits = r.right - r.left <= view.right && r.bottom - r.top <= view.bottom;
      check(to, fits ? r : RECT{r.left, r.top, r.left, r.top}, view, "focused out of view");
    }
  };
  for (HTREEITEM node : PreferenceProgram::Nodes(main)) {
    PreferenceProgram::SelectNode(main, node);
    HWND shownPage = nullptr;
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
      if (scrolls) shownPage = parent;
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
    if (shownPage) tabThrough(shownPage);
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

// Thirty units of three tasks back to back up to now, a few of them not finished or seen only in part.
std::string ThirtyUnits() {
  const struct { const wchar_t* task; std::uint64_t minutes; } tasks[] = {{L"LigandFit", 370}, {L"BOLERO", 215}, {L"OPAL", 540}};
  SYSTEMTIME st{};
  ::GetLocalTime(&st);
  ULARGE_INTEGER at{};
  ::SystemTimeToFileTime(&st, reinterpret_cast<FILETIME*>(&at));
  const auto local = [](ULARGE_INTEGER t) {
    SYSTEMTIME s{};
    ::FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&t), &s);
    return LocalTime{s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond};
  };
  std::string rows;
  for (int i = 29; i >= 0; --i) {
    const int first = i % 8 == 4 ? 60 : 1;  // a few seen only from part-way through
    const std::uint64_t minutes = (tasks[i % 3].minutes + static_cast<std::uint64_t>(i * 37 % 90)) * (first > 1 ? 2 : 5) / 5;
    const UnitEnd end = i % 7 == 3 ? UnitEnd::NewUnit : i % 11 == 5 ? UnitEnd::AgentGone : UnitEnd::Finished;
    const LocalTime ended = local(at);
    at.QuadPart -= minutes * 600000000ULL;
    rows = HistoryLine({tasks[i % 3].task, local(at), ended, static_cast<std::int64_t>(minutes * 60), first,
                        end == UnitEnd::Finished ? 100 : 62, end}) + rows;
  }
  return HistoryHeader() + rows;
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
                  L"delay_mol=1500\r\n[priority]\r\nfrequency=2\r\n[icon]\r\ntimeleft=1\r\n"));
  WriteBytes(pref.File(L"history.csv"), ThirtyUnits() + "broken line\r\n");
  Process p = pref.Start();
  HWND main = PreferenceProgram::MainWindow(p);
  ASSERT_NE(main, nullptr);
  const std::vector<HTREEITEM> nodes = PreferenceProgram::Nodes(main);
  ASSERT_EQ(nodes.size(), 11u);
  const wchar_t* names[] = {L"icon",  L"balloon",  L"sound",    L"save",    L"capture", L"capture-detail",
                            L"other", L"bookmark", L"priority", L"history", L"version"};
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
