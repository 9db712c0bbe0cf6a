// Per-call times from the performance counter. Several candidates are timed side by side:
// each round runs one batch of every candidate in turn, so a slow moment of the machine hits
// them alike, and the median round of each candidate is its figure.
#pragma once

#include "common/win/Windows.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace vantor::bench {

inline double Seconds() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / frequency;
}

// Microseconds per call of each candidate: `rounds` rounds, each batch sized to take about
// `batchSeconds` from a first estimate of the candidate's cost.
inline std::vector<double> SideBySide(const std::vector<std::function<void()>>& candidates, int rounds = 7,
                                      double batchSeconds = 0.05) {
  std::vector<int> batch;
  for (const auto& call : candidates) {
    for (int i = 0; i < 3; ++i) call();  // warm-up
    const double start = Seconds();
    call();
    const double once = std::max(Seconds() - start, 1e-7);
    batch.push_back(std::clamp(static_cast<int>(batchSeconds / once), 1, 100000));
  }
  std::vector<std::vector<double>> perCall(candidates.size());
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t c = 0; c < candidates.size(); ++c) {
      const double start = Seconds();
      for (int i = 0; i < batch[c]; ++i) candidates[c]();
      perCall[c].push_back((Seconds() - start) / batch[c] * 1e6);
    }
  }
  std::vector<double> medians;
  for (auto& times : perCall) {
    std::sort(times.begin(), times.end());
    medians.push_back(times[times.size() / 2]);
  }
  return medians;
}

}  // namespace vantor::bench
