// Preference's start, from the process's creation to its window on the screen, with a
// history.csv of 100,000 rows in its folder against the same start without the file. The page
// reads the file at start, from its end, as far back as it shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor::bench {

struct PreferenceStartRow {
  std::string file;            // what history.csv holds
  int rows = 0;
  std::uint64_t bytes = 0;     // its size
  std::uint64_t bytesRead = 0; // what the page reads of it (the same reading, in memory)
  double startMs = 0;          // the median start
};

struct PreferenceStartFigures {
  bool ok = false;
  int runs = 0;
  std::vector<PreferenceStartRow> rows;  // the first without the file
};

PreferenceStartFigures RunPreferenceStartBench(int runs);

}  // namespace vantor::bench
