#include "bench/win/MemoryBench.h"

#include <psapi.h>

#include <string>

#include "bench/win/Timing.h"
#include "common/win/Handle.h"
#include "common/win/MessagePump.h"
#include "common/win/WinPlatform.h"
#include "station/win/RealAdapters.h"

namespace vantor::bench {
namespace {

// Bar widths of 37 and 38 percent: every tick that swaps them changes the icon.
constexpr int kWidthA = 84, kWidthB = 86;
constexpr UINT_PTR kMainTimerId = 1;

// The committed private pages of `process`, summed region by region: what private bytes
// count, taken from the address space itself (Wine 8 leaves PrivateUsage at 0).
std::size_t PrivateCommit(HANDLE process) {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr; ::VirtualQueryEx(process, at, &region, sizeof(region)) == sizeof(region);
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  }
  return total;
}

ProcessFigures Measure(HANDLE process) {
  ProcessFigures figures;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  figures.ok = ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                      sizeof(counters)) != FALSE;
  figures.workingSet = counters.WorkingSetSize;
  figures.privateBytes = counters.PrivateUsage;
  figures.privateCommit = PrivateCommit(process);
  return figures;
}

// Vantor.exe copied into a fresh folder of its own, measured after a few ticks with the agent.
ProcessFigures MeasureVantorStarted() {
  test::TempFolder folder(L"bench-vantor");
  const std::wstring exe = folder / L"Vantor.exe";
  if (!::CopyFileW((test::BinFolder() + L"\\Vantor.exe").c_str(), exe.c_str(), FALSE)) return {};
  test::Process vantor = test::Process::Start(exe);
  HWND window = nullptr;
  if (!test::WaitUntil([&] { return (window = test::FindProcessWindow(vantor.Id(), kStationClass)) != nullptr; })) {
    return {};
  }
  test::WaitUntil([] { return false; }, 3000);  // three ticks
  OwnedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, vantor.Id()));
  ProcessFigures figures = process ? Measure(process.Get()) : ProcessFigures{};
  ::PostMessageW(window, WM_CLOSE, 0, 0);  // its own exit removes its tray icon
  vantor.Wait(5000);
  return figures;
}

}  // namespace

MemoryFigures RunMemoryBench(const test::AgentDriver& agent, int changes) {
  MemoryFigures figures;
  figures.vantorStarted = MeasureVantorStarted();

  // The station window host with every real adapter, in a fresh program folder.
  test::TempFolder folder(L"bench-memory");
  RealAdapters adapters;
  StationWindow station(::GetModuleHandleW(nullptr), adapters.For(folder.Path()));
  if (!station.Create()) return figures;
  const auto tick = [&](int width) {
    agent.SetWidth(width);
    ::SendMessageW(station.Handle(), WM_TIMER, kMainTimerId, 0);
  };
  // Warm-up, which also shows that each swap of the width writes another icon.
  const std::wstring icon = folder / L"temp.ico";
  tick(kWidthA);
  const std::string iconA = test::ReadBytes(icon);
  tick(kWidthB);
  figures.iconsChanged = !iconA.empty() && test::ReadBytes(icon) != iconA;
  for (int i = 0; i < 20; ++i) tick(i % 2 == 0 ? kWidthA : kWidthB);
  PumpPending();
  figures.before = Measure(::GetCurrentProcess());

  const double start = Seconds();
  for (int i = 0; i < changes; ++i) {
    tick(i % 2 == 0 ? kWidthA : kWidthB);
    if (i % 50 == 0) PumpPending();  // paints and tooltips, as the message loop would
  }
  figures.secondsPerChange = changes > 0 ? (Seconds() - start) / changes : 0;
  PumpPending();
  figures.after = Measure(::GetCurrentProcess());
  figures.changes = changes;
  agent.SetWidth(kWidthA);
  return figures;
}

}  // namespace vantor::bench
