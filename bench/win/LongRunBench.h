// Vantor.exe run for a long time from outside: its own program, settings and timer, beside the
// test agent whose bar moves to another percentage before every tick, with the tray icon, the
// icon file, balloons and a capture schedule. Another process (this one) reads its memory,
// objects and handles at the start and at every 600 changes.
#pragma once

#include <cstddef>
#include <vector>

#include "tests/e2e/AgentDriver.h"

namespace vantor::bench {

struct LongRunPoint {
  int changes = 0;
  double seconds = 0;
  std::size_t committed = 0;   // bytes
  std::size_t workingSet = 0;  // bytes
  int gdiObjects = 0;          // as the system counts them; 0 where it keeps no count (Wine)
  int userObjects = 0;
  int windows = 0;             // the windows of its threads, counted from outside everywhere
  int handles = 0;
};

struct LongRunFigures {
  bool ok = false;
  std::vector<LongRunPoint> points;
  int captures = 0;  // picture files the schedule wrote
};

LongRunFigures RunLongRunBench(const test::AgentDriver& agent, int changes);

}  // namespace vantor::bench
