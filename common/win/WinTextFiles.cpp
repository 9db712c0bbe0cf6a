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

}  // namespace

std::optional<std::wstring> WinTextFiles::ReadText(const std::wstring& path) {
  OwnedFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (::ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  if (bytes.empty()) return std::wstring();
  const int n = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0) ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
  return text;
}

bool WinTextFiles::WriteText(const std::wstring& path, const std::wstring& text) {
  const std::wstring fresh = path + L".new";
  if (!WriteNew(fresh, ToAnsi(text), CREATE_ALWAYS)) return false;
  if (!::MoveFileExW(fresh.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ::DeleteFileW(fresh.c_str());
    return false;
  }
  return true;
}

bool WinTextFiles::CreateText(const std::wstring& path, const std::wstring& text) {
  return WriteNew(path, ToAnsi(text), CREATE_NEW);
}

}  // namespace vantor
