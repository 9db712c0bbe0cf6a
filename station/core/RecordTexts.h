// The messages about the record of the units, from Vantor's string table.
#pragma once

#include <string>

#include "common/core/TextFill.h"
#include "station/core/HistoryFilePort.h"

namespace vantor {

struct RecordTexts {
  std::wstring notWritten;  // a row cannot be written: %1 the file, %2 the cause
  std::wstring readOnly, denied, diskFull, other;  // the causes
  std::wstring dropped;     // rows were dropped because too many waited: %1 the file
};

inline std::wstring NotWrittenText(const RecordTexts& texts, AppendResult result, const std::wstring& path) {
  const std::wstring& cause = result == AppendResult::ReadOnly ? texts.readOnly
                              : result == AppendResult::Denied ? texts.denied
                              : result == AppendResult::DiskFull ? texts.diskFull
                                                                 : texts.other;
  return Filled(texts.notWritten, {path, cause});
}

}  // namespace vantor
