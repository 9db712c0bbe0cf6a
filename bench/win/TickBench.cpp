#include "bench/win/TickBench.h"

#include "bench/win/ExtraWindows.h"
#include "bench/win/Timing.h"
#include "common/win/WinPlatform.h"
#include "common/win/WinTextFiles.h"
#include "station/core/AgentSearch.h"
#include "station/core/Station.h"
#include "common/win/WinClock.h"
#include "station/win/WinHistoryRecord.h"
#include "station/win/WinWindows.h"
#include "tests/unit/Fakes.h"

namespace vantor::bench {
namespace {

// Counts the window calls passed on to the real port.
class CountingWindows : public WindowPort {
 public:
  explicit CountingWindows(WindowPort& inner) : inner_(inner) {}
  WindowHandle FindWindow(const std::wstring& className, const std::wstring& title) override {
    ++calls;
    return found = inner_.FindWindow(className, title);
  }
  WindowHandle DesktopWindow() override { return inner_.DesktopWindow(); }
  WindowHandle GetWindow(WindowHandle window, WindowRelation relation) override {
    ++calls;
    return inner_.GetWindow(window, relation);
  }
  WindowHandle GetDlgItem(WindowHandle window, int id) override {
    ++calls;
    return inner_.GetDlgItem(window, id);
  }
  int ClientWidth(WindowHandle window) override {
    ++calls;
    return width = inner_.ClientWidth(window);
  }
  std::uint32_t WindowProcessId(WindowHandle window) override {
    ++calls;
    return inner_.WindowProcessId(window);
  }
  std::intptr_t EnterSpaceOf(WindowHandle window) override { return inner_.EnterSpaceOf(window); }
  void LeaveSpace(std::intptr_t previous) override { inner_.LeaveSpace(previous); }
  void ShowWindow(WindowHandle window, ShowCommand command) override { inner_.ShowWindow(window, command); }
  void SetWindowPos(WindowHandle window, bool topmost, ScreenPoint at) override {
    inner_.SetWindowPos(window, topmost, at);
  }
  void SizeWindow(WindowHandle window, int width, int height) override { inner_.SizeWindow(window, width, height); }
  bool Answers(WindowHandle window) override { return inner_.Answers(window); }
  int calls = 0;
  WindowHandle found = 0;  // the window the last look found by its class, and its bar's width
  int width = 0;

 private:
  WindowPort& inner_;
};

// A station over the real window, file, profile, bookmark, clock and record adapters in a fresh
// program folder; the host, the icon and the rest are fakes, which a tick without a change of
// the percentage does not reach. With `units`, it follows the running unit with the time left
// switched on; without, it has no record and neither follows nor records units.
class TickStation {
 public:
  explicit TickStation(bool units = true)
      : counting_(windows_),
        ini_((test::WriteBytes(folder_ / L"Vantor.ini", "[icon]\r\ntimeleft=1\r\n"), true)),
        station_(StationPorts{counting_, input_, screen_, clock_, tray_, iconFile_, pictures_, files_, profile_, host_,
                              iconWindow_, processes_, sound_, links_, priorities_, folder_.Path(), L"",
                              units ? &record_ : nullptr, {}}) {
    station_.Form_Load();
    station_.timMain_Timer();  // the first tick takes the agent's percentage
  }
  Station& Get() { return station_; }
  CountingWindows& Windows() { return counting_; }

 private:
  test::TempFolder folder_{L"bench-tick"};
  WinWindows windows_;
  CountingWindows counting_;
  WinFiles files_;
  WinProfile profile_;
  WinTextFiles links_;
  WinClock clock_;
  test::CallLog log_;
  test::FakeInput input_{log_};
  test::FakeScreenCopy screen_{log_};
  test::FakeHost host_;
  test::FakeIconWindow iconWindow_;
  test::FakeTray tray_;
  test::FakeIconFile iconFile_;
  test::FakePictures pictures_;
  test::FakeProcesses processes_;
  test::FakeSound sound_;
  test::FakePriorities priorities_;
  WinHistoryRecord record_;
  bool ini_;
  Station station_;
};

}  // namespace

std::vector<TickFigures> RunTickBench(const test::AgentDriver& agent, const std::vector<int>& extraWindows) {
  std::vector<TickFigures> results;
  for (const int extra : extraWindows) {
    TickFigures figures;
    figures.extraWindows = extra;
    ExtraWindows desktop(extra);
    TickStation tick, plain(false);
    Station& station = tick.Get();
    const auto agentForm = reinterpret_cast<WindowHandle>(agent.Form());
    // The station looks for a window of the agent's process (the first of its forms) and reads
    // its bar: both as the counting port saw them.
    const auto seesAgent = [&] {
      return WinWindows().WindowProcessId(tick.Windows().found) == agent.Id();
    };
    const std::int16_t percent = PercentOfWidth(tick.Windows().width);
    figures.ready = desktop.Ready() && seesAgent() && percent != 0;

    // The floor: the product's walk from the desktop, over the same (counted) real port as
    // the tick's, and nothing else.
    WinWindows windows;
    CountingWindows counter(windows);
    const std::uint32_t pid = agent.Id();
    WindowHandle found = 0;
    const auto walk = [&] {
      WindowHandle second = 0;
      found = GetWindowHandle(counter, pid, second);
    };

    // Calls of one walk and of one tick.
    walk();
    figures.walkCalls = counter.calls;
    tick.Windows().calls = 0;
    station.timMain_Timer();
    figures.tickCalls = tick.Windows().calls;

    const std::vector<double> us =
        SideBySide({[&] { station.timMain_Timer(); }, walk, [&] { plain.Get().timMain_Timer(); }});
    figures.tickUs = us[0];
    figures.walkUs = us[1];
    figures.plainTickUs = us[2];
    // Both must still see the agent with the same percentage, or the figures mean nothing.
    figures.ready =
        figures.ready && found == agentForm && PercentOfWidth(tick.Windows().width) == percent && seesAgent();
    results.push_back(figures);
  }
  return results;
}

}  // namespace vantor::bench
