#include "station/core/TimeLeft.h"

#include <algorithm>

#include "common/core/TextFill.h"

namespace vantor {
namespace {

std::wstring Filled(const std::wstring& text, std::int64_t first, std::int64_t second = 0) {
  return vantor::Filled(text, {std::to_wstring(first), std::to_wstring(second)});
}

// `seconds` in whole units of `unit` seconds, halves rounded up.
std::int64_t Rounded(std::int64_t seconds, std::int64_t unit) { return (seconds + unit / 2) / unit; }

}  // namespace

std::wstring TimeLeftLine(const TimeLeftTexts& texts, const Estimate& estimate) {
  const std::int64_t s = std::max<std::int64_t>(estimate.seconds, 0);
  switch (estimate.kind) {
    case EstimateKind::None:
      return L"";
    case EstimateKind::Calculating:
      return texts.calculating;
    case EstimateKind::Stalled:
      return Filled(texts.stalled, std::max<std::int64_t>(Rounded(s, 60), 1));
    case EstimateKind::Left:
      break;
  }
  if (const std::int64_t minutes = Rounded(s, 60); minutes < 60) {
    return Filled(texts.minutes, std::max<std::int64_t>(minutes, 1));
  }
  if (const std::int64_t minutes = Rounded(s, 300) * 5; minutes < 24 * 60) {
    return Filled(texts.hoursMinutes, minutes / 60, minutes % 60);
  }
  const std::int64_t hours = Rounded(s, 3600);
  return Filled(texts.daysHours, hours / 24, hours % 24);
}

std::wstring WithLine(const std::wstring& tip, const std::wstring& line, std::size_t limit) {
  if (line.empty() || tip.size() + 2 + line.size() > limit) return tip;
  return tip + L"\r\n" + line;
}

}  // namespace vantor
