// Twenty minutes of ticks, scaled: the real station window, tray icon and icon file, with the
// agent's bar changing at every tick. After settling, memory, GDI and USER objects and handles
// must stay where they are.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include <psapi.h>

#include <iostream>
#include <vector>

#include "common/win/WinPlatform.h"
#include "station/win/RealAdapters.h"
#include "tests/support/GuiCounts.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

SIZE_T CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

void Pump() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

// Ticks leak on purpose in the second case: memory, a GDI object and a handle each, to show
// that the measure sees a leak of every kind.
struct Leak {
  std::vector<std::vector<char>> kept;
  std::vector<HBRUSH> brushes;
  std::vector<HANDLE> events;
  void Tick() {
    kept.emplace_back(2048, '\1');
    brushes.push_back(::CreateSolidBrush(RGB(1, 2, 3)));
    events.push_back(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
  }
  ~Leak() {
    for (HBRUSH b : brushes) ::DeleteObject(b);
    for (HANDLE e : events) ::CloseHandle(e);
  }
};

struct Reading {
  SIZE_T committed;
  test::GuiCounts objects;
};

// Every reading takes memory first, then the objects, so each window of ticks holds one run of
// the object count; one-off growth (first loads, caches, the count's own first run) falls into
// the settling and the first window. The second window's growth is the measure.
struct Soak {
  SIZE_T firstGrowth;
  SIZE_T secondGrowth;
  test::GuiCounts first;
  test::GuiCounts last;
};

Soak RunSoak(const test::TempFolder& folder, Leak* leak) {
  test::Process agent = test::Process::Start(test::BinFolder() + L"\\agent.exe", L"--width 0 --no-second");
  HWND form = nullptr;
  EXPECT_TRUE(test::WaitUntil([&] { return (form = test::FindProcessWindow(agent.Id(), L"ThunderRT6formDC")); }));
  const UINT setWidth = ::RegisterWindowMessageW(L"VantorTestAgent.SetWidth");

  RealAdapters adapters;
  StationWindow station(::GetModuleHandleW(nullptr), adapters.For(folder.Path()));
  EXPECT_TRUE(station.Create());
  // Ticks come from this loop, not from the clock.
  station.EnableTimer(StationTimer::Main, false);

  int i = 0;
  auto ticks = [&](int count) {
    for (int end = i + count; i < end; ++i) {
      ::SendMessageW(form, setWidth, static_cast<WPARAM>(i % 228), 0);  // a new percentage most ticks
      ::SendMessageW(station.Handle(), WM_TIMER, 1, 0);
      Pump();
      if (leak) leak->Tick();
    }
  };
  auto read = [] { return Reading{CommittedBytes(), test::GuiCounts::OfThisProcess()}; };
  constexpr int kWindow = 10 * 60;  // ten minutes of ticks
  ticks(120);
  read();
  const Reading r0 = read();
  const ULONGLONG start = ::GetTickCount64();
  ticks(kWindow);
  const Reading r1 = read();
  ticks(kWindow);
  const Reading r2 = read();
  const auto growth = [](const Reading& a, const Reading& b) {
    return b.committed > a.committed ? b.committed - a.committed : 0;
  };
  std::cout << "soak" << (leak ? " (leaking on purpose)" : "") << ": " << 2 * kWindow << " ticks in "
            << ::GetTickCount64() - start << " ms; committed bytes " << r0.committed << " -> " << r1.committed
            << " -> " << r2.committed << "; growth of the first window " << growth(r0, r1) << ", of the second "
            << growth(r1, r2) << "\nsoak: start:  " << r0.objects << "\nsoak: middle: " << r1.objects
            << "\nsoak: end:    " << r2.objects << std::endl;
  return {growth(r0, r1), growth(r1, r2), r1.objects, r2.objects};
}

constexpr SIZE_T kBound = 512 * 1024;  // less than half of what 2 KB a tick comes to over a window

TEST(Soak, TwentyMinutesOfChangingProgressLeaveMemoryObjectsAndHandlesFlat) {
  test::TempFolder folder{L"soak"};
  const Soak soak = RunSoak(folder, nullptr);
  EXPECT_LT(soak.secondGrowth, kBound) << "memory grows with the ticks";
  EXPECT_EQ(soak.last, soak.first) << "objects or handles leak with the ticks";
  EXPECT_EQ(test::ReadBytes(folder / L"temp.ico").size(), 958u);
}

TEST(Soak, TheSameMeasureSeesTicksThatLeak) {
  test::TempFolder folder{L"soak-leak"};
  Leak leak;
  const Soak soak = RunSoak(folder, &leak);
  EXPECT_GE(soak.secondGrowth, kBound);
  EXPECT_GE(soak.last.gdiObjects, soak.first.gdiObjects + 600);
  EXPECT_GE(soak.last.handles, soak.first.handles + 600);
}

}  // namespace
}  // namespace vantor
