#include "common/core/History.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vantor {
namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kHeader = "task,started,ended,seconds,first_percent,last_percent,end";
constexpr std::array<std::string_view, 4> kEndWords = {"finished", "new_unit", "agent_gone", "vantor_exit"};

void AppendCodePoint(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendWide(std::wstring& out, std::uint32_t c) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(c);
}

std::string TwoDigits(int value) {
  return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

std::string TimeText(const LocalTime& t) {
  return TwoDigits(t.year / 100) + TwoDigits(t.year % 100) + "-" + TwoDigits(t.month) + "-" + TwoDigits(t.day) + " " + TwoDigits(t.hour) + ":" +
         TwoDigits(t.minute) + ":" + TwoDigits(t.second);
}

// A whole number of digits only, at most nine of them.
std::optional<int> Digits(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// A number of `least` to `most` digits at the start of `text`, taken off it.
std::optional<int> TakeDigits(std::string_view& text, std::size_t least, std::size_t most) {
  std::size_t n = 0;
  while (n < most && n < text.size() && text[n] >= '0' && text[n] <= '9') ++n;
  if (n < least) return std::nullopt;
  const auto value = Digits(text.substr(0, n));
  text.remove_prefix(n);
  return value;
}

// Whether `text` starts with `c`, taken off it.
bool Take(std::string_view& text, char c) {
  if (text.empty() || text.front() != c) return false;
  text.remove_prefix(1);
  return true;
}

// Vantor writes YYYY-MM-DD HH:MM:SS. A spreadsheet that saves the file again writes the times
// in its own form, YYYY/M/D H:MM: the date's parts with "/" or "-" and one or two digits for
// the month, the day and the hour, with or without the seconds.
std::optional<LocalTime> ParseTime(std::string_view text) {
  const auto year = TakeDigits(text, 4, 4);
  const char separator = text.empty() ? ' ' : text.front();
  if (!year || (separator != '-' && separator != '/')) return std::nullopt;
  text.remove_prefix(1);
  const auto month = TakeDigits(text, 1, 2);
  if (!month || !Take(text, separator)) return std::nullopt;
  const auto day = TakeDigits(text, 1, 2);
  if (!day || !Take(text, ' ')) return std::nullopt;
  const auto hour = TakeDigits(text, 1, 2);
  if (!hour || !Take(text, ':')) return std::nullopt;
  const auto minute = TakeDigits(text, 2, 2);
  std::optional<int> second = 0;
  if (!text.empty()) second = Take(text, ':') ? TakeDigits(text, 2, 2) : std::nullopt;
  if (!minute || !second || !text.empty()) return std::nullopt;
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (*year % 4 == 0 && *year % 100 != 0) || *year % 400 == 0;
  if (*month < 1 || *month > 12 || *day < 1 || *day > kDays[*month - 1] || (*month == 2 && *day == 29 && !leap) ||
      *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  return LocalTime{*year, *month, *day, *hour, *minute, *second};
}

// The fields of one CSV line; nothing when a quoted field is not closed or is followed by
// anything but a comma.
std::optional<std::vector<std::string>> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  for (;;) {
    std::string field;
    if (pos < line.size() && line[pos] == '"') {
      ++pos;
      for (;;) {
        if (pos >= line.size()) return std::nullopt;
        if (line[pos] == '"') {
          if (pos + 1 < line.size() && line[pos + 1] == '"') {
            field += '"';
            pos += 2;
            continue;
          }
          ++pos;
          break;
        }
        field += line[pos++];
      }
      if (pos < line.size() && line[pos] != ',') return std::nullopt;
    } else {
      const std::size_t comma = std::min(line.find(',', pos), line.size());
      field = std::string(line.substr(pos, comma - pos));
      pos = comma;
    }
    fields.push_back(std::move(field));
    if (pos >= line.size()) return fields;
    ++pos;  // the comma
  }
}

}  // namespace

std::string HistoryHeader() { return std::string(kBom) + std::string(kHeader) + "\r\n"; }

std::string HistoryLine(const HistoryRow& row) {
  std::wstring task = row.task;
  std::replace_if(task.begin(), task.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
  std::string name = ToUtf8(task);
  if (name.find_first_of(",\"") != std::string::npos) {
    std::string quoted = "\"";
    for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    name = quoted + "\"";
  }
  return name + "," + TimeText(row.started) + "," + TimeText(row.ended) + "," + std::to_string(row.seconds) + "," +
         std::to_string(row.firstPercent) + "," + std::to_string(row.lastPercent) + "," +
         std::string(kEndWords[static_cast<std::size_t>(row.end)]) + "\r\n";
}

HistoryLineRead ReadHistoryLine(std::string_view line, const TextDecoder& decode) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.substr(0, kBom.size()) == kBom) line.remove_prefix(kBom.size());
  if (line.find_first_not_of(" \t") == std::string_view::npos) return {LineKind::Blank, {}};
  if (line == kHeader) return {LineKind::Header, {}};
  const auto fields = Fields(line);
  if (!fields || fields->size() != 7) return {};
  const auto& f = *fields;
  const auto started = ParseTime(f[1]), ended = ParseTime(f[2]);
  const auto seconds = Digits(f[3]), first = Digits(f[4]), last = Digits(f[5]);
  const auto end = std::find(kEndWords.begin(), kEndWords.end(), f[6]);
  if (!started || !ended || !seconds || !first || !last || end == kEndWords.end()) return {};
  return {LineKind::Row,
          {decode(f[0]), *started, *ended, *seconds, *first, *last,
           static_cast<UnitEnd>(end - kEndWords.begin())}};
}

TextEncoding HistoryEncoding(std::string_view start) {
  if (start.substr(0, kBom.size()) == kBom) return TextEncoding::Utf8;
  bool beyondAscii = false;
  for (std::size_t i = 0; i < start.size();) {
    const auto lead = static_cast<unsigned char>(start[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    beyondAscii = true;
    const std::size_t length = (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0) return TextEncoding::Ansi;
    const std::size_t whole = std::min(length, start.size() - i);
    // A sequence that is not UTF-8 reads as one U+FFFD per byte; a whole one as one character.
    if (whole == length && FromUtf8(start.substr(i, length)).size() > (length == 4 ? 2 : 1)) return TextEncoding::Ansi;
    for (std::size_t k = 1; k < whole; ++k) {
      if ((static_cast<unsigned char>(start[i + k]) & 0xC0) != 0x80) return TextEncoding::Ansi;
    }
    i += length;
  }
  return beyondAscii ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

std::int64_t Median(std::vector<std::int64_t> values) {
  if (values.empty()) return 0;
  const std::size_t middle = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle), values.end());
  const std::int64_t upper = values[middle];
  if (values.size() % 2 == 1) return upper;
  const std::int64_t lower = *std::max_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(middle));
  return lower + (upper - lower) / 2;
}

std::string ToUtf8(std::wstring_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::uint32_t c = static_cast<std::uint32_t>(text[i]);
    if constexpr (sizeof(wchar_t) == 2) {
      if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<std::uint32_t>(text[++i]) - 0xDC00);
      }
    }
    if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) c = 0xFFFD;  // a lone surrogate
    AppendCodePoint(out, c);
  }
  return out;
}

std::wstring FromUtf8(std::string_view bytes) {
  std::wstring out;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    std::uint32_t c = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool good = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
    for (int k = 1; good && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
      good = (next & 0xC0) == 0x80;
      c = (c << 6) | (next & 0x3F);
    }
    // Overlong forms, surrogates and values beyond the last code point are not UTF-8 either.
    constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    good = good && c >= kLeast[length] && c <= 0x10FFFF && !(c >= 0xD800 && c < 0xE000);
    AppendWide(out, good ? c : 0xFFFD);
    i += good ? static_cast<std::size_t>(length) : 1;
  }
  return out;
}

}  // namespace vantor
