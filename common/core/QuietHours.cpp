#include "common/core/QuietHours.h"

#include <cwchar>

namespace vantor {
namespace {

// The digit's value, or -1; the full-width digits an input method gives count too.
int Digit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'\xFF10' && c <= L'\xFF19') return c - L'\xFF10';
  return -1;
}

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\x3000'; }

}  // namespace

std::optional<int> ParseClockTime(const std::wstring& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::wstring t = text.substr(begin, end - begin);
  const std::size_t colon = t.find_first_of(L":\xFF1A");
  if (colon == std::wstring::npos || colon < 1 || colon > 2 || t.size() != colon + 3) return std::nullopt;
  int hours = 0, minutes = 0;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (i == colon) continue;
    const int d = Digit(t[i]);
    if (d < 0) return std::nullopt;
    int& part = i < colon ? hours : minutes;
    part = part * 10 + d;
  }
  if (hours > 23 || minutes > 59) return std::nullopt;
  return hours * 60 + minutes;
}

std::wstring ClockTimeText(int minutes) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02d:%02d", minutes / 60 % 24, minutes % 60);
  return text;
}

bool InQuietSpan(int from, int to, int now) {
  if (from <= to) return from <= now && now < to;
  return now >= from || now < to;
}

}  // namespace vantor
