// The record's file, history.csv, and the side file that keeps rows which could not be
// written across an exit.
#pragma once

#include <optional>
#include <string>

namespace vantor {

// Rows that wait for history.csv when Vantor ends, in its format; the next start appends them.
inline constexpr wchar_t kHistoryWaitingCsv[] = L"\\history-waiting.csv";

enum class AppendResult {
  Written,
  Held,      // another program holds the file shut (it opened it without sharing)
  ReadOnly,  // the file (or its medium) is read-only
  Denied,    // the user may not write the file, or make it in its folder
  DiskFull,  // no room for the row
  Failed,    // anything else: no such folder, a device error
};

class HistoryFilePort {
 public:
  virtual ~HistoryFilePort() = default;
  // Adds `row` at the end of the file in one write, after `header` when the file is new or
  // empty, and after a line end when the file's last line has none; the bytes there are never
  // touched. A row is written whole or not at all.
  // When the file holds text already, the row goes in in the encoding found there (HistoryEncoding).
  virtual AppendResult Append(const std::wstring& path, const std::string& header, const std::string& row) = 0;
  // The whole file; nothing when there is none or it cannot be read whole.
  virtual std::optional<std::string> ReadAll(const std::wstring& path) = 0;
  // Puts `bytes` in place of the file, whole: a new file beside it, then the replace.
  virtual bool Replace(const std::wstring& path, const std::string& bytes) = 0;
  // True once the file is gone, also when there was none.
  virtual bool Delete(const std::wstring& path) = 0;
};

}  // namespace vantor
