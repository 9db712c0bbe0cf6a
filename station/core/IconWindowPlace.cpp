#include "station/core/IconWindowPlace.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vantor {
namespace {

// Stored places may be anywhere in 32 bits: the edges are computed in 64 bits.
struct Span {
  std::int64_t low, high;  // high exclusive
};

std::int64_t Overlap(Span a, Span b) {
  return std::max<std::int64_t>(0, std::min(a.high, b.high) - std::max(a.low, b.low));
}

// The gap between two spans, 0 when they touch or overlap.
double Gap(Span a, Span b) { return static_cast<double>(std::max<std::int64_t>({0, b.low - a.high, a.low - b.high})); }

// The start of `window` moved the shortest way into `area`; the area's start when it does not fit.
std::int32_t Fit(Span window, Span area) {
  const std::int64_t size = window.high - window.low;
  const std::int64_t start = std::clamp(window.low, area.low, std::max(area.low, area.high - size));
  return static_cast<std::int32_t>(start);
}

std::int32_t Rescale(std::int32_t value, std::int64_t to, std::int64_t from) {
  if (to <= 0 || from <= 0) return value;
  const std::int64_t product = std::int64_t{value} * to;
  const std::int64_t half = from / 2;
  const std::int64_t scaled = product >= 0 ? (product + half) / from : -((-product + half) / from);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(scaled, INT32_MIN, INT32_MAX));
}

constexpr int kStoredDpi = 96;

}  // namespace

WindowPlace ScreenFromStored(WindowPlace stored, int dpi) {
  return {Rescale(stored.left, dpi, kStoredDpi), Rescale(stored.top, dpi, kStoredDpi)};
}

WindowPlace StoredFromScreen(WindowPlace screen, int dpi) {
  return {Rescale(screen.left, kStoredDpi, dpi), Rescale(screen.top, kStoredDpi, dpi)};
}

WindowPlace ReachablePlace(WindowPlace stored, std::int32_t width, std::int32_t height,
                           const std::vector<MonitorArea>& monitors) {
  if (monitors.empty()) return stored;
  const Span x{stored.left, std::int64_t{stored.left} + width};
  const Span y{stored.top, std::int64_t{stored.top} + height};
  const auto spans = [](const ScreenRect& r) { return std::pair<Span, Span>{{r.left, r.right}, {r.top, r.bottom}}; };

  const MonitorArea* nearest = nullptr;
  std::int64_t bestOverlap = 0;
  double bestGap = 0;
  for (const MonitorArea& m : monitors) {
    const auto [mx, my] = spans(m.monitor);
    const std::int64_t overlap = Overlap(x, mx) * Overlap(y, my);
    const double gx = Gap(x, mx), gy = Gap(y, my);
    const double gap = gx * gx + gy * gy;
    if (!nearest || overlap > bestOverlap || (bestOverlap == 0 && overlap == 0 && gap < bestGap)) {
      nearest = &m;
      bestOverlap = overlap;
      bestGap = gap;
    }
  }
  const auto [wx, wy] = spans(nearest->work);
  return {Fit(x, wx), Fit(y, wy)};
}

}  // namespace vantor
