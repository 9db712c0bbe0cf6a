// Twenty minutes of ticks, scaled: the real station window, tray icon and icon file, with the
// agent's bar changing at every tick. Memory, GDI and USER objects and handles must end where
// they started.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include <psapi.h>

#include <iostream>

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

TEST(Soak, TwentyMinutesOfChangingProgressLeaveMemoryObjectsAndHandlesFlat) {
  test::TempFolder folder{L"soak"};
  test::Process agent = test::Process::Start(test::BinFolder() + L"\\agent.exe", L"--width 0 --no-second");
  HWND form = nullptr;
  ASSERT_TRUE(test::WaitUntil([&] { return (form = test::FindProcessWindow(agent.Id(), L"ThunderRT6formDC")); }));
  const UINT setWidth = ::RegisterWindowMessageW(L"VantorTestAgent.SetWidth");

  RealAdapters adapters;
  StationWindow station(::GetModuleHandleW(nullptr), adapters.For(folder.Path()));
  ASSERT_TRUE(station.Create());
  // Ticks come from this loop, not from the clock.
  station.EnableTimer(StationTimer::Main, false);

  auto tick = [&](int i) {
    ::SendMessageW(form, setWidth, static_cast<WPARAM>(i % 228), 0);  // a new percentage most ticks
    ::SendMessageW(station.Handle(), WM_TIMER, 1, 0);
    Pump();
  };
  for (int i = 0; i < 120; ++i) tick(i);  // settle: first loads, caches, the tray's own records
  const SIZE_T before = CommittedBytes();
  const test::GuiCounts objectsBefore = test::GuiCounts::OfThisProcess();
  const ULONGLONG start = ::GetTickCount64();
  constexpr int kTicks = 20 * 60;
  for (int i = 0; i < kTicks; ++i) tick(i);
  const ULONGLONG took = ::GetTickCount64() - start;
  const SIZE_T after = CommittedBytes();
  const test::GuiCounts objectsAfter = test::GuiCounts::OfThisProcess();
  std::cout << "soak: " << kTicks << " ticks in " << took << " ms; committed bytes " << before << " -> " << after
            << "\nsoak: before: " << objectsBefore << "\nsoak: after:  " << objectsAfter << std::endl;
  EXPECT_LT(after, before + 512 * 1024) << "memory grows with the ticks";
  EXPECT_EQ(objectsAfter, objectsBefore) << "objects or handles leak with the ticks";
  EXPECT_EQ(test::ReadBytes(folder / L"temp.ico").size(), 958u);
}

}  // namespace
}  // namespace vantor
