// Memory of the station: Vantor.exe itself a few seconds after its start, and the real
// station window host inside this program before and after many icon changes.
#pragma once

#include <cstddef>

#include "tests/e2e/AgentDriver.h"

namespace vantor::bench {

struct ProcessFigures {
  bool ok = false;
  std::size_t workingSet = 0;    // bytes
  std::size_t privateBytes = 0;  // bytes, as GetProcessMemoryInfo reports them
  std::size_t privateCommit = 0; // bytes of committed private pages, from the address space
};

struct MemoryFigures {
  ProcessFigures vantorStarted;  // Vantor.exe, a few ticks after its start
  ProcessFigures before, after;  // this program around the icon changes
  int changes = 0;
  bool iconsChanged = false;     // a tick with the other width wrote another icon
  double secondsPerChange = 0;   // one tick with an icon change, real adapters
};

MemoryFigures RunMemoryBench(const test::AgentDriver& agent, int changes);

}  // namespace vantor::bench
