#include "station/win/WinHistoryRecord.h"

#include <algorithm>

#include "common/core/History.h"
#include "common/win/Handle.h"
#include "common/win/WinTextFiles.h"
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

// The file's first bytes, as many as tell its encoding.
std::string Start(HANDLE file, std::int64_t size) {
  std::string bytes(static_cast<std::size_t>(std::min<std::int64_t>(size, kEncodingSample)), '\0');
  OVERLAPPED at{};
  DWORD read = 0;
  if (!::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, &at)) read = 0;
  bytes.resize(read);
  return bytes;
}

bool ReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Why a file cannot be opened for appending, or a write into it failed.
AppendResult Cause(const std::wstring& path, DWORD error) {
  switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return AppendResult::Held;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return AppendResult::DiskFull;
    case ERROR_WRITE_PROTECT:
      return AppendResult::ReadOnly;
    case ERROR_ACCESS_DENIED:
      // A read-only file says "access denied" too; its attribute tells it apart.
      return ReadOnlyFile(path) ? AppendResult::ReadOnly : AppendResult::Denied;
    default:
      return AppendResult::Failed;
  }
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

AppendResult WinHistoryRecord::Append(const std::wstring& path, const std::string& header, const std::string& row) {
  // Windows refuses to write a read-only file to everyone, its owner and administrators too;
  // asked first, the attribute gives the same answer where a file system would not enforce it.
  if (ReadOnlyFile(path)) return AppendResult::ReadOnly;
  OwnedFile file(::CreateFileW(path.c_str(), FILE_READ_DATA | FILE_APPEND_DATA | SYNCHRONIZE, FILE_SHARE_READ,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Cause(path, ::GetLastError());
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.Get(), &size)) return AppendResult::Failed;
  // A new or empty file begins with the header; a last line without its end (a hand edit)
  // gets one, so that the row stays a line of its own. A file that a spreadsheet saved again
  // in the ANSI code page goes on in it.
  std::string bytes = size.QuadPart == 0 ? header : LastByte(file.Get(), size.QuadPart) == '\n' ? "" : "\r\n";
  const bool ansi = size.QuadPart > 0 && HistoryEncoding(Start(file.Get(), size.QuadPart)) == TextEncoding::Ansi;
  bytes += ansi ? ToAnsi(FromUtf8(row)) : row;
  DWORD written = 0;
  if (::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size()) {
    return AppendResult::Written;
  }
  const DWORD error = ::GetLastError();
  file.Reset();
  if (written > 0) CutBack(path, size.QuadPart);
  return Cause(path, error);
}

std::optional<std::string> WinHistoryRecord::ReadAll(const std::wstring& path) {
  std::string bytes;
  if (ReadBytes(path, bytes) != TextReadOutcome::Whole) return std::nullopt;
  return bytes;
}

bool WinHistoryRecord::Replace(const std::wstring& path, const std::string& bytes) { return ReplaceBytes(path, bytes); }

bool WinHistoryRecord::Delete(const std::wstring& path) {
  return ::DeleteFileW(path.c_str()) || ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace vantor
