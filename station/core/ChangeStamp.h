// The last-seen modification time of one watched file.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "common/core/Ports.h"

namespace vantor {

struct ChangeStamp {
  FileStamp current = 0;
  FileStamp lastSeen = 0;

  // At start-up: take the file's time as both current and last seen, when it exists. Presence
  // and time come from one look, so a file that is there never primes "none".
  void Prime(FilePort& files, const std::wstring& path) {
    try {
      if (const std::optional<FileStamp> time = files.ListedTime(path)) current = lastSeen = *time;
    } catch (const std::exception&) {
      // A folder that cannot be listed now is reported by the first check.
    }
  }

  // True once per change of the time, earlier or later; last seen moves before the caller
  // reacts, so a failing reaction is not repeated. A missing file is no change; a listing
  // that fails throws.
  bool Changed(FilePort& files, const std::wstring& path) {
    const std::optional<FileStamp> time = files.ListedTime(path);
    if (!time) return false;
    current = *time;
    if (current == lastSeen) return false;
    lastSeen = current;
    return true;
  }
};

}  // namespace vantor
