// The Win32 measurements, run under Wine by scripts/bench and printed as Markdown tables:
//   vantor_win_bench [--icon-changes N] [--long-run N]   (defaults 10000 and 3600)
// It starts the test agent (bar at 37 %) from its own folder and leaves nothing running.
#include "common/win/Windows.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/win/ExtraWindows.h"
#include "bench/win/IconWriteBench.h"
#include "bench/win/LongRunBench.h"
#include "bench/win/MemoryBench.h"
#include "bench/win/PreferenceStartBench.h"
#include "bench/win/TickBench.h"
#include "tests/e2e/AgentDriver.h"

namespace {

using namespace vantor::bench;

constexpr double kTickTarget = 1.5;    // the tick stays within 1.5 times the bare walk
constexpr double kWriteTarget = 20.0;  // our write is at least 20 times cheaper
constexpr int kAgentWidth = 84;        // 37 percent

const char* Verdict(bool ready, bool met) { return !ready ? "not measured" : met ? "met" : "MISSED"; }

double KiB(std::size_t bytes) { return static_cast<double>(bytes) / 1024.0; }

void PrintTicks(const std::vector<TickFigures>& ticks) {
  std::printf("\n### Main tick against the bare window walk (agent present, percentage unchanged)\n\n");
  std::printf("| Extra top-level windows | Window calls: walk / tick | Bare walk (us) | Main tick (us) | "
              "Tick / walk | Target <= %.1fx | Tick without the unit's time left (us) |\n",
              kTickTarget);
  std::printf("|---:|---:|---:|---:|---:|---|---:|\n");
  for (const TickFigures& t : ticks) {
    const double ratio = t.walkUs > 0 ? t.tickUs / t.walkUs : 0;
    std::printf("| %d | %d / %d | %.1f | %.1f | %.2fx | %s | %.1f |\n", t.extraWindows, t.walkCalls, t.tickCalls,
                t.walkUs, t.tickUs, ratio, t.extraWindows == 0 ? "(reference)" : Verdict(t.ready, ratio <= kTickTarget),
                t.plainTickUs);
  }
}

void PrintIconWrite(const IconWriteFigures& w) {
  const double ratio = w.singleUs > 0 ? w.runsUs / w.singleUs : 0;
  std::printf("\n### One icon change's file write (958 bytes)\n\n");
  std::printf("| Our single write (us) | %d open-write-close runs (us) | Runs / ours | Target >= %.0fx |\n", w.runs,
              kWriteTarget);
  std::printf("|---:|---:|---:|---|\n");
  std::printf("| %.1f | %.1f | %.1fx | %s |\n", w.singleUs, w.runsUs, ratio, Verdict(w.sameBytes, ratio >= kWriteTarget));
}

void PrintProcess(const char* what, const ProcessFigures& p) {
  if (!p.ok) {
    std::printf("| %s | not measured | | |\n", what);
    return;
  }
  std::printf("| %s | %.0f | %.0f | %.0f |\n", what, KiB(p.workingSet), KiB(p.privateBytes), KiB(p.privateCommit));
}

void PrintMemory(const MemoryFigures& m) {
  std::printf("\n### Memory\n\n");
  std::printf("| Process, moment | Working set (KiB) | Private bytes, PrivateUsage (KiB) | "
              "Committed private pages (KiB) |\n");
  std::printf("|---|---:|---:|---:|\n");
  PrintProcess("Vantor.exe, 3 s after start", m.vantorStarted);
  PrintProcess("bench with the station window host, after start", m.before);
  const std::string after = "bench with the station window host, after " + std::to_string(m.changes) + " icon changes";
  PrintProcess(after.c_str(), m.after);
  std::printf("\nEach forced tick changed the icon: %s. One tick with an icon change (real adapters): %.0f us.\n",
              m.iconsChanged ? "yes" : "NO", m.secondsPerChange * 1e6);
  if (m.before.ok && m.after.ok) {
    std::printf("Over %d icon changes: working set %+.0f KiB, committed private pages %+.0f KiB.\n", m.changes,
                KiB(m.after.workingSet) - KiB(m.before.workingSet),
                KiB(m.after.privateCommit) - KiB(m.before.privateCommit));
  }
}

void PrintLongRun(const LongRunFigures& r) {
  std::printf("\n### Vantor.exe over a long run, read from another process\n\n");
  if (!r.ok || r.points.empty()) {
    std::printf("Not measured: Vantor.exe did not run to the end.\n");
    return;
  }
  std::printf("| Changes | Seconds | Committed bytes (KiB) | Working set (KiB) | GDI objects | USER objects | "
              "Windows | Handles |\n");
  std::printf("|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const LongRunPoint& p : r.points) {
    std::printf("| %d | %.0f | %.0f | %.0f | %d | %d | %d | %d |\n", p.changes, p.seconds, KiB(p.committed),
                KiB(p.workingSet), p.gdiObjects, p.userObjects, p.windows, p.handles);
  }
  // Growth after the first reading after the start, so that a one-off cost is not counted.
  if (r.points.size() >= 3) {
    const LongRunPoint& a = r.points[1];
    const LongRunPoint& b = r.points.back();
    const double per = 1000.0 / (b.changes - a.changes);
    std::printf("\nFrom %d to %d changes, per 1,000 changes: committed bytes %+.1f KiB, working set %+.1f KiB, "
                "GDI %+.1f, USER %+.1f, windows %+.1f, handles %+.1f. Capture files written: %d.\n",
                a.changes, b.changes, (KiB(b.committed) - KiB(a.committed)) * per,
                (KiB(b.workingSet) - KiB(a.workingSet)) * per, (b.gdiObjects - a.gdiObjects) * per,
                (b.userObjects - a.userObjects) * per, (b.windows - a.windows) * per, (b.handles - a.handles) * per,
                r.captures);
  }
}

void PrintPreferenceStart(const PreferenceStartFigures& p) {
  std::printf("\n### Preference's start with history.csv (median of %d starts each, side by side)\n\n", p.runs);
  if (!p.ok) {
    std::printf("Not measured: Preference did not start.\n");
    return;
  }
  std::printf("| history.csv | Size (KiB) | Read by the page (KiB) | Start to window (ms) | Against no file (ms) |\n");
  std::printf("|---|---:|---:|---:|---:|\n");
  for (const PreferenceStartRow& r : p.rows) {
    std::printf("| %s | %.0f | %.0f | %.0f | %+.0f |\n", r.file.c_str(), KiB(r.bytes), KiB(r.bytesRead), r.startMs,
                r.startMs - p.rows.front().startMs);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--host-windows") return HostExtraWindows(std::atoi(argv[2]));
  int changes = 10000;
  int longRun = 3600;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::string(argv[i]) == "--icon-changes") changes = std::atoi(argv[i + 1]);
    if (std::string(argv[i]) == "--long-run") longRun = std::atoi(argv[i + 1]);
  }

  vantor::test::AgentDriver agent(kAgentWidth);
  if (!agent.Form()) {
    std::fprintf(stderr, "vantor_win_bench: the test agent did not start\n");
    return 1;
  }
  const std::vector<TickFigures> ticks = RunTickBench(agent, {0, 50, 500});
  PrintTicks(ticks);
  std::fflush(stdout);
  PrintPreferenceStart(RunPreferenceStartBench(9));
  std::fflush(stdout);
  PrintIconWrite(RunIconWriteBench());
  std::fflush(stdout);
  PrintMemory(RunMemoryBench(agent, changes));
  std::fflush(stdout);
  if (longRun > 0) PrintLongRun(RunLongRunBench(agent, longRun));
  std::fflush(stdout);
  return 0;
}
