// Win32 adapters of the ports both programs share, and small platform helpers.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/Ports.h"

namespace vantor {

// The platform's profile functions on ANSI code page files.
class WinProfile : public ProfilePort {
 public:
  std::wstring Read(const std::wstring& path, const std::wstring& section, const std::wstring& key) override;
  bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
             const std::wstring& value) override;
};

class WinFiles : public FilePort {
 public:
  bool FileExists(const std::wstring& path) override;
  bool FileListed(const std::wstring& path) override;
  FileStamp FileTime(const std::wstring& path) override;
  std::optional<FileStamp> ListedTime(const std::wstring& path) override;
  bool DeleteFile(const std::wstring& path) override;
  bool CanWriteIn(const std::wstring& folder) override;
};

// The folder of the running program file, without a trailing backslash except at a drive root.
std::wstring ProgramFolder();

// The operating-system kind from the platform's version record.
std::int16_t GetOSKind();

// Text in the ANSI code page, cut to at most `maxBytes` bytes without splitting a character.
std::wstring CutToAnsiBytes(const std::wstring& text, std::size_t maxBytes);

}  // namespace vantor
