// The record of the work units, history.csv in the program folder: UTF-8 with a byte-order
// mark (so that a spreadsheet on a Japanese system reads it right), CR LF line ends, one header
// line and one row per unit. Vantor only ever appends whole rows; Preference reads them back
// from the file's end. A row is always one line: the task name is quoted as CSV quotes it
// where it holds a comma or a quote, and a line break in it is written as a blank.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/LocalTime.h"

namespace vantor {

inline constexpr wchar_t kHistoryCsv[] = L"\\history.csv";

// How a unit ended: its last percentage seen was 99 or 100; a new unit began before that; the
// agent's window stayed away for a minute; Vantor ended first.
enum class UnitEnd { Finished, NewUnit, AgentGone, VantorExit };

struct HistoryRow {
  std::wstring task;
  // When Vantor first saw the unit: its start where it was seen from 0 or 1 %, else the
  // moment Vantor (or the agent's window, back after a minute away) first showed it.
  LocalTime started;
  LocalTime ended;            // the last change of the percentage seen
  std::int64_t seconds = 0;   // the unit's length, without the time the computer slept
  int firstPercent = 0;
  int lastPercent = 0;
  UnitEnd end = UnitEnd::NewUnit;
  friend bool operator==(const HistoryRow&, const HistoryRow&) = default;
};

// The byte-order mark and the header line, with which a new or empty file begins.
std::string HistoryHeader();

// One row as the file holds it, CR LF included.
std::string HistoryLine(const HistoryRow& row);

enum class LineKind { Row, Header, Blank, Bad };
struct HistoryLineRead {
  LineKind kind = LineKind::Bad;
  HistoryRow row;  // for LineKind::Row
};

// Text and UTF-8, both ways; a byte sequence that is not UTF-8 reads as U+FFFD.
std::string ToUtf8(std::wstring_view text);
std::wstring FromUtf8(std::string_view bytes);

// Turns a task name's bytes into text: FromUtf8, or the ANSI code page's conversion for a file
// a spreadsheet saved in it.
using TextDecoder = std::function<std::wstring(std::string_view)>;

// One line of the file, without its line end (a CR before it is dropped here). A row needs
// exactly the seven fields, both times as YYYY-MM-DD HH:MM:SS or in a spreadsheet's form
// (YYYY/M/D H:MM, with or without the seconds, "/" or "-"), whole numbers and one of the four
// end words; anything else is a bad line. The task name is read with `decode`.
HistoryLineRead ReadHistoryLine(std::string_view line, const TextDecoder& decode = FromUtf8);

// The median of `values` (the mean of the middle two for an even count); 0 for none.
std::int64_t Median(std::vector<std::int64_t> values);

// How a history file's text is stored. Vantor makes the file in UTF-8 with a byte-order mark;
// a spreadsheet that saves it again may write it in the ANSI code page without one.
enum class TextEncoding { Utf8, Ansi };
// The bytes a reader looks at to tell the encoding: the file's first 64 KiB.
inline constexpr std::size_t kEncodingSample = 64 * 1024;
// The encoding of a file that begins with `start`: UTF-8 with the byte-order mark, or without
// it where the bytes hold some beyond ASCII and all of them read as UTF-8 (a sequence cut off
// at the end of `start` counts as UTF-8); otherwise the ANSI code page. ASCII alone reads the
// same either way and is taken as ANSI: without the mark, that is how a spreadsheet reads it.
TextEncoding HistoryEncoding(std::string_view start);

}  // namespace vantor
