#include "common/win/WinTextFiles.h"

#include "common/win/Handle.h"
#include "common/win/Windows.h"

#include <string>

namespace vantor {
namespace {

std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return bytes.empty() ||
         (::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size());
}

bool WriteNew(const std::wstring& path, const std::string& bytes, DWORD disposition) {
  OwnedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  const bool ok = WriteAll(file.Get(), bytes) && ::FlushFileBuffers(file.Get());
  file.Reset();
  if (!ok) ::DeleteFileW(path.c_str());
  return ok;
}

// Whether a failed replace of `path` met another program's handle of the file (a reader
// without delete sharing, a virus scanner, a sync client), which goes away by itself. Windows
// says so as a sharing violation or, for the target of a rename, as access denied (Wine refuses
// the replace of any file that is open, also as access denied); a folder or a read-only file
// there is access denied too, and stays.
bool HeldByAnother(const std::wstring& path, DWORD error) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
  if (error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES &&
         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) == 0;
}

constexpr DWORD kReplaceRetryMs = 1000, kReplaceStepMs = 50;

}  // namespace

std::wstring FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

TextRead WinTextFiles::ReadText(const std::wstring& path) {
  OwnedFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    const DWORD error = ::GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    return {missing ? TextReadOutcome::Missing : TextReadOutcome::Partial, {}};
  }
  std::string bytes;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr)) return {TextReadOutcome::Partial, FromAnsi(bytes)};
    if (read == 0) break;  // the end of the file
    bytes.append(buffer, read);
  }
  return {TextReadOutcome::Whole, FromAnsi(bytes)};
}

bool WinTextFiles::WriteText(const std::wstring& path, const std::wstring& text) {
  const std::wstring fresh = path + L".new";
  if (!WriteNew(fresh, ToAnsi(text), CREATE_ALWAYS)) return false;
  const ULONGLONG start = ::GetTickCount64();
  while (!::MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    if (!HeldByAnother(path, ::GetLastError()) || ::GetTickCount64() - start >= kReplaceRetryMs) {
      ::DeleteFileW(fresh.c_str());
      return false;
    }
    ::Sleep(kReplaceStepMs);
  }
  return true;
}

bool WinTextFiles::CreateText(const std::wstring& path, const std::wstring& text) {
  return WriteNew(path, ToAnsi(text), CREATE_NEW);
}

bool WinTextFiles::Touch(const std::wstring& path) {
  OwnedFile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  return ::SetFileTime(file.Get(), nullptr, nullptr, &now) != 0;
}

bool FitsAnsiCodePage(const std::wstring& text) {
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  BOOL usedDefault = FALSE;
  const int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0, nullptr, &usedDefault);
  if (n <= 0 || usedDefault) return false;
  std::string bytes(static_cast<std::size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), n, nullptr, &usedDefault);
  // Some characters share their bytes with another one and come back as that one.
  return !usedDefault && FromAnsi(bytes) == text;
}

}  // namespace vantor
