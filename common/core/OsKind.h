// The operating-system kind that selects the process-listing method and the tray record.
#pragma once

#include <cstdint>

namespace vantor {

enum OsKind : std::int16_t {
  kOsUnreadable = 0,  // the version could not be read
  kOsNtBefore5 = 1,   // NT family, major version below 5
  kOsNt5OrLater = 2,  // NT family, major version 5 or higher
  kOsOther = 3,       // any other platform
};

inline constexpr std::uint32_t kPlatformNt = 2;

inline std::int16_t OsKindOf(bool versionRead, std::uint32_t platformId, std::uint32_t majorVersion) {
  if (!versionRead) return kOsUnreadable;
  if (platformId != kPlatformNt) return kOsOther;
  return majorVersion < 5 ? kOsNtBefore5 : kOsNt5OrLater;
}

}  // namespace vantor
