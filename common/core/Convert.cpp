#include "common/core/Convert.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace vantor {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

std::size_t SkipBlanks(std::wstring_view text, std::size_t i) {
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

// Scans a number at `pos`: sign, digits with an optional fraction (at least one digit in
// all), then an optional exponent. Returns the length scanned (0 for no number) and its
// value in `value`. An exponent without digits is not part of the number.
std::size_t ScanNumber(std::wstring_view text, std::size_t pos, double& value) {
  std::string chars;
  std::size_t i = pos;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
    if (text[i] == L'-') chars += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) {
    chars += static_cast<char>(text[i++]);
    ++digits;
  }
  if (i < text.size() && text[i] == L'.') {
    std::size_t j = i + 1;
    std::string fraction = ".";
    while (j < text.size() && IsDigit(text[j])) {
      fraction += static_cast<char>(text[j++]);
      ++digits;
    }
    if (digits > 0) {
      chars += fraction;
      i = j;
    }
  }
  if (digits == 0) return 0;
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E' || text[i] == L'd' || text[i] == L'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
      if (text[j] == L'-') exponent += '-';
      ++j;
    }
    std::size_t expDigits = 0;
    while (j < text.size() && IsDigit(text[j])) {
      exponent += static_cast<char>(text[j++]);
      ++expDigits;
    }
    if (expDigits > 0) {
      chars += exponent;
      i = j;
    }
  }
  const auto result = std::from_chars(chars.data(), chars.data() + chars.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Far too large or too small: keep the sign and let the range check decide.
    const bool negative = chars[0] == '-';
    const bool tiny = chars.find("e-") != std::string::npos;
    value = tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
  }
  return i - pos;
}

template <typename Int>
Int RoundTo(double value, const char* what) {
  const double rounded = std::nearbyint(value);  // the default rounding mode: ties to even
  if (!(rounded >= static_cast<double>(std::numeric_limits<Int>::min()) &&
        rounded <= static_cast<double>(std::numeric_limits<Int>::max()))) {
    throw ConversionError(what);
  }
  return static_cast<Int>(rounded);
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    wchar_t x = a[i], y = b[i];
    if (x >= L'A' && x <= L'Z') x = static_cast<wchar_t>(x - L'A' + L'a');
    if (y >= L'A' && y <= L'Z') y = static_cast<wchar_t>(y - L'A' + L'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

double LeadingNumber(std::wstring_view text) {
  double value = 0.0;
  return ScanNumber(text, SkipBlanks(text, 0), value) > 0 ? value : 0.0;
}

double WholeNumber(std::wstring_view text) {
  const std::size_t start = SkipBlanks(text, 0);
  double value = 0.0;
  const std::size_t length = ScanNumber(text, start, value);
  if (length == 0 || SkipBlanks(text, start + length) != text.size()) {
    throw ConversionError("not a number");
  }
  return value;
}

std::int16_t RoundToInt16(double value) { return RoundTo<std::int16_t>(value, "overflow (16 bits)"); }
std::int32_t RoundToInt32(double value) { return RoundTo<std::int32_t>(value, "overflow (32 bits)"); }

bool ToBoolean(std::wstring_view text) {
  const std::size_t start = SkipBlanks(text, 0);
  std::size_t end = text.size();
  while (end > start && IsBlank(text[end - 1])) --end;
  const std::wstring_view word = text.substr(start, end - start);
  if (EqualsNoCase(word, L"true")) return true;
  if (EqualsNoCase(word, L"false")) return false;
  return WholeNumber(text) != 0.0;
}

}  // namespace vantor
