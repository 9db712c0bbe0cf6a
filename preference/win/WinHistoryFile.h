// history.csv as the record page reads it: opened once, sharing reading, writing and deletion
// so that Vantor's appends go on meanwhile, and closed with this object.
#pragma once

#include "common/win/Handle.h"
#include "preference/core/HistoryPage.h"

namespace vantor::preference {

class WinHistoryFile : public HistoryReadPort {
 public:
  FileState Open(const std::wstring& path, std::uint64_t& size) override;
  bool ReadAt(const std::wstring& path, std::uint64_t offset, std::size_t length, std::string& bytes) override;
  std::wstring FromAnsi(std::string_view bytes) override;

 private:
  OwnedFile file_;
};

}  // namespace vantor::preference
