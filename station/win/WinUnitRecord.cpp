#include "station/win/WinUnitRecord.h"

#include "common/win/Handle.h"
#include "common/win/Windows.h"

namespace vantor {
namespace {

// The file's last byte, read at its offset; 0 when it cannot be read.
char LastByte(HANDLE file, std::int64_t size) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(size - 1);
  at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(size - 1) >> 32);
  char last = 0;
  DWORD read = 0;
  return ::ReadFile(file, &last, 1, &read, &at) && read == 1 ? last : 0;
}

// Cuts the file back to `size` bytes, as it was before a write that went in only in part.
void CutBack(const std::wstring& path, std::int64_t size) {
  const OwnedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER end{};
  end.QuadPart = size;
  if (file && ::SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN)) ::SetEndOfFile(file.Get());
}

}  // namespace

std::uint64_t WinUnitRecord::UnbiasedTime() {
  ULONGLONG time = 0;
  ::QueryUnbiasedInterruptTime(&time);
  return time;
}

LocalTime WinUnitRecord::LocalNow() {
  SYSTEMTIME t{};
  ::GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

AppendResult WinUnitRecord::Append(const std::wstring& path, const std::string& header, const std::string& row) {
  OwnedFile file(::CreateFileW(path.c_str(), FILE_READ_DATA | FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ? AppendResult::Held
                                                                             : AppendResult::Failed;
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size)) return AppendResult::Failed;
  // A new or empty file begins with the header; a last line without its end (a hand edit)
  // gets one, so that the row stays a line of its own.
  std::string bytes = size.QuadPart == 0 ? header : LastByte(file.Get(), size.QuadPart) == '\n' ? "" : "\r\n";
  bytes += row;
  DWORD written = 0;
  if (::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size()) {
    return AppendResult::Written;
  }
  file.Reset();
  if (written > 0) CutBack(path, size.QuadPart);
  return AppendResult::Failed;
}

}  // namespace vantor
