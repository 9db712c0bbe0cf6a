#include "bench/win/LongRunBench.h"

#include <psapi.h>

#include <string>

#include "bench/win/Timing.h"
#include "common/win/Handle.h"
#include "station/win/StationWindow.h"
#include "tests/support/GuiCounts.h"

namespace vantor::bench {
namespace {

constexpr int kEvery = 600;
constexpr UINT_PTR kMainTimerId = 1;

LongRunPoint Read(HANDLE process, DWORD processId, int changes, double seconds) {
  LongRunPoint point;
  point.changes = changes;
  point.seconds = seconds;
  PROCESS_MEMORY_COUNTERS counters{};
  if (::GetProcessMemoryInfo(process, &counters, sizeof(counters))) {
    point.committed = counters.PagefileUsage;
    point.workingSet = counters.WorkingSetSize;
  }
  point.gdiObjects = static_cast<int>(::GetGuiResources(process, GR_GDIOBJECTS));
  point.userObjects = static_cast<int>(::GetGuiResources(process, GR_USEROBJECTS));
  point.windows = test::CountWindowsOf(processId);
  DWORD handles = 0;
  ::GetProcessHandleCount(process, &handles);
  point.handles = static_cast<int>(handles);
  return point;
}

// The bar width of percentage `percent` (0 to 100) of the agent's 227-pixel bar.
int WidthOf(int percent) { return (percent * 227 + 99) / 100; }

}  // namespace

LongRunFigures RunLongRunBench(const test::AgentDriver& agent, int changes) {
  LongRunFigures figures;
  test::TempFolder folder(L"bench-longrun");
  const std::wstring captures = folder / L"captures";
  ::CreateDirectoryW(captures.c_str(), nullptr);
  const std::wstring exe = folder / L"Vantor.exe";
  if (!::CopyFileW((test::BinFolder() + L"\\Vantor.exe").c_str(), exe.c_str(), FALSE)) return figures;
  // The tray icon (the default display), balloons, and a capture of the main view at three
  // percentages of every pass of the bar, leaving the agent where it is.
  test::WriteBytes(folder / L"Vantor.ini", "[icon]\r\nballoon=1\r\n[capture]\r\nfolder=" + test::Ansi(captures) +
                                               "\\\r\ncpu=1\r\ncpuschedule=25,50,75,;,\r\nminimize=0\r\n");
  test::Process vantor = test::Process::Start(exe);
  HWND window = nullptr;
  if (!test::WaitUntil([&] { return (window = test::FindProcessWindow(vantor.Id(), kStationClass)) != nullptr; })) {
    return figures;
  }
  OwnedHandle process(::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, vantor.Id()));
  if (!process) return figures;

  // Its own timer runs all along; a tick sent after each move of the bar scales an hour of
  // seconds down to what the machine can do, through the same message the timer sends.
  const auto change = [&](int i) {
    agent.SetWidth(WidthOf(i % 101));
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(window, WM_TIMER, kMainTimerId, 0, SMTO_NORMAL, 10000, &result);
  };
  for (int i = 0; i < 101; ++i) change(i);  // one pass of the bar to settle: first loads and captures
  const double start = Seconds();
  figures.points.push_back(Read(process.Get(), vantor.Id(), 0, 0));
  for (int i = 1; i <= changes; ++i) {
    change(i);
    if (i % kEvery == 0) figures.points.push_back(Read(process.Get(), vantor.Id(), i, Seconds() - start));
  }
  figures.captures = static_cast<int>(test::FileNames(captures, L"*.png").size());
  figures.ok = ::IsWindow(window) != FALSE;
  ::PostMessageW(window, WM_CLOSE, 0, 0);  // its own exit removes its tray icon
  vantor.Wait(10000);
  agent.SetWidth(WidthOf(37));
  return figures;
}

}  // namespace vantor::bench
