// The record's file over kernel32: appends to history.csv, and its side file.
#pragma once

#include "station/core/HistoryFilePort.h"

namespace vantor {

class WinHistoryRecord : public HistoryFilePort {
 public:
  // Opens the file for appending only, so that every write lands after what it holds, and
  // shares it for reading alone: a reader sees whole rows, a program that holds it shut makes
  // the open fail (Held). A write that goes in only in part is cut off again.
  AppendResult Append(const std::wstring& path, const std::string& header, const std::string& row) override;
  std::optional<std::string> ReadAll(const std::wstring& path) override;
  bool Replace(const std::wstring& path, const std::string& bytes) override;
  bool Delete(const std::wstring& path) override;
};

}  // namespace vantor
