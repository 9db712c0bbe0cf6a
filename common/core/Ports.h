// The platform as the portable code of both programs sees it. Each port has one Win32
// adapter (common/win) and one fake for the native tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor {

// A file's last-write time in local time, in whole seconds since 1601; 0 is "none".
using FileStamp = std::int64_t;

// The platform's profile (INI) functions: keys and sections match without regard to case,
// blanks around a value are dropped, and a write replaces one key and keeps the rest.
class ProfilePort {
 public:
  virtual ~ProfilePort() = default;
  // The value, cut to 1023 bytes of the file's code page; "" when missing.
  virtual std::wstring Read(const std::wstring& path, const std::wstring& section,
                            const std::wstring& key) = 0;
  // False when the file could not be written (held by another program, read-only, a full disk).
  virtual bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) = 0;
};

class FilePort {
 public:
  virtual ~FilePort() = default;
  // True when a listing of the exact path names a plain file (not a folder, not hidden or system);
  // false when it names nothing or the listing cannot be made.
  virtual bool FileExists(const std::wstring& path) = 0;
  // The same, except that a listing that fails for another reason than the file or its folder
  // being absent (a drive that is not ready, a name the file system refuses) throws.
  virtual bool FileListed(const std::wstring& path) = 0;
  // The file's modification time; 0 when it cannot be read.
  virtual FileStamp FileTime(const std::wstring& path) = 0;
  // FileListed and FileTime in one: the time of a listed plain file, nothing when there is none;
  // throws as FileListed does. Adapters that can answer both with one look at the file do.
  virtual std::optional<FileStamp> ListedTime(const std::wstring& path) {
    if (!FileListed(path)) return std::nullopt;
    return FileTime(path);
  }
  virtual bool DeleteFile(const std::wstring& path) = 0;
  // Whether a new file can be made in the folder: one is made there and is gone again at once.
  virtual bool CanWriteIn(const std::wstring& folder) = 0;
};

}  // namespace vantor
