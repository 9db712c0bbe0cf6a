#include "common/win/WinPlatform.h"

#include "common/win/Windows.h"

#include <stdexcept>
#include <vector>

#include "common/core/OsKind.h"
#include "common/win/Handle.h"

namespace vantor {

std::wstring CutToAnsiBytes(const std::wstring& text, std::size_t maxBytes) {
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                          nullptr, nullptr);
  if (bytes <= 0 || static_cast<std::size_t>(bytes) <= maxBytes) return text;
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), bytes, nullptr,
                        nullptr);
  std::size_t keep = 0;
  while (keep < ansi.size()) {
    const std::size_t step = ::IsDBCSLeadByte(static_cast<BYTE>(ansi[keep])) ? 2 : 1;
    if (keep + step > maxBytes) break;
    keep += step;
  }
  const int chars = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(keep), nullptr, 0);
  std::wstring cut(static_cast<std::size_t>(chars > 0 ? chars : 0), L'\0');
  if (chars > 0) ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(keep), cut.data(), chars);
  return cut;
}

std::wstring WinProfile::Read(const std::wstring& path, const std::wstring& section, const std::wstring& key) {
  // The value comes back through a 1024-byte buffer of the ANSI code page: at most 1023 bytes.
  std::vector<wchar_t> buffer(1024, L'\0');
  ::GetPrivateProfileStringW(section.c_str(), key.c_str(), L"", buffer.data(),
                             static_cast<DWORD>(buffer.size()), path.c_str());
  return CutToAnsiBytes(std::wstring(buffer.data()), 1023);
}

bool WinProfile::Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                       const std::wstring& value) {
  return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

namespace {

enum class Listing { PlainFile, Nothing, Failed };

struct Look {
  Listing listing = Listing::Nothing;
  FILETIME written{};
};

Listing OfAttributes(DWORD attributes) {
  constexpr DWORD kNotPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (attributes & kNotPlain) == 0 ? Listing::PlainFile : Listing::Nothing;
}

bool IsAbsence(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES;
}

// What a listing of the exact path says. A name without wildcards is answered by one read of
// its attributes, which gives the same answer at a fraction of the cost; only when that read
// fails for another reason than absence (a file the system keeps to itself, a name it refuses)
// does the folder's listing decide.
Look LookAt(const std::wstring& path) {
  if (path.find_first_of(L"*?") == std::wstring::npos) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
      return {OfAttributes(data.dwFileAttributes), data.ftLastWriteTime};
    }
    if (IsAbsence(::GetLastError())) return {};
  }
  WIN32_FIND_DATAW data{};
  OwnedFind find(::FindFirstFileW(path.c_str(), &data));
  if (!find) return {IsAbsence(::GetLastError()) ? Listing::Nothing : Listing::Failed, {}};
  return {OfAttributes(data.dwFileAttributes), data.ftLastWriteTime};
}

// Whole seconds of local time; 0 when the time cannot be converted.
FileStamp StampOf(const FILETIME& written) {
  FILETIME local{};
  if (!::FileTimeToLocalFileTime(&written, &local)) return 0;
  ULARGE_INTEGER ticks{};
  ticks.LowPart = local.dwLowDateTime;
  ticks.HighPart = local.dwHighDateTime;
  return static_cast<FileStamp>(ticks.QuadPart / 10000000ULL);
}

}  // namespace

bool WinFiles::FileExists(const std::wstring& path) { return LookAt(path).listing == Listing::PlainFile; }

bool WinFiles::FileListed(const std::wstring& path) {
  const Listing listing = LookAt(path).listing;
  if (listing == Listing::Failed) throw std::runtime_error("the folder cannot be listed");
  return listing == Listing::PlainFile;
}

FileStamp WinFiles::FileTime(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return StampOf(data.ftLastWriteTime);
}

std::optional<FileStamp> WinFiles::ListedTime(const std::wstring& path) {
  const Look look = LookAt(path);
  if (look.listing == Listing::Failed) throw std::runtime_error("the folder cannot be listed");
  if (look.listing == Listing::Nothing) return std::nullopt;
  return StampOf(look.written);
}

bool WinFiles::DeleteFile(const std::wstring& path) { return ::DeleteFileW(path.c_str()) != 0; }

bool WinFiles::CanWriteIn(const std::wstring& folder) {
  // A name of this process alone, and a file the system removes when its handle closes.
  const std::wstring probe = folder + L"\\~vantor-" + std::to_wstring(::GetCurrentProcessId()) + L".tmp";
  const OwnedFile file(::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                     nullptr));
  return static_cast<bool>(file);
}

std::wstring ProgramFolder() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return L".";
    if (n < buffer.size()) {
      std::wstring path(buffer.data(), n);
      const std::size_t slash = path.find_last_of(L"\\/");
      if (slash == std::wstring::npos) return L".";
      std::wstring folder = path.substr(0, slash);
      if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
      return folder;
    }
    buffer.resize(buffer.size() * 2);
  }
}

std::int16_t GetOSKind() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  // The version as the system reports it, without the compatibility shims of GetVersionEx.
  const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  const auto rtlGetVersion =
      ntdll ? reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(::GetProcAddress(ntdll, "RtlGetVersion")))
            : nullptr;
  const bool read = rtlGetVersion != nullptr && rtlGetVersion(&info) == 0;
  return OsKindOf(read, info.dwPlatformId, info.dwMajorVersion);
}

}  // namespace vantor
