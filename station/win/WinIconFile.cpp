#include "station/win/WinIconFile.h"

#include "common/win/Handle.h"

namespace vantor {

bool WinIconFile::WriteIconFile(const std::wstring& path, const IcoBytes& bytes) {
  // Opened without truncation: the same bytes land at the same place every time.
  OwnedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace vantor
