#include "preference/win/WinHistoryFile.h"

#include "common/win/WinTextFiles.h"

namespace vantor::preference {

FileState WinHistoryFile::Open(const std::wstring& path, std::uint64_t& size) {
  file_.Reset(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file_) {
    const DWORD error = ::GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? FileState::Missing : FileState::Unreadable;
  }
  LARGE_INTEGER bytes{};
  if (!::GetFileSizeEx(file_.Get(), &bytes)) return FileState::Unreadable;
  size = static_cast<std::uint64_t>(bytes.QuadPart);
  return FileState::Readable;
}

bool WinHistoryFile::ReadAt(const std::wstring&, std::uint64_t offset, std::size_t length, std::string& bytes) {
  bytes.assign(length, '\0');
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD read = 0;
  if (!file_ || !::ReadFile(file_.Get(), bytes.data(), static_cast<DWORD>(length), &read, &at)) return false;
  bytes.resize(read);
  return read == length;
}

std::wstring WinHistoryFile::FromAnsi(std::string_view bytes) { return vantor::FromAnsi(bytes); }

}  // namespace vantor::preference
