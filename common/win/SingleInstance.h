// Detects a running copy of the same program from the same installation (program folder).
#pragma once

#include <string>

#include "common/win/Handle.h"

namespace vantor {

class SingleInstance {
 public:
  // `program` names the program ("Vantor", "Preference"); the folder makes the name unique
  // per installation.
  SingleInstance(const std::wstring& program, const std::wstring& folder);
  // True when another copy holds the mutex: it existed already, or it could not be created or
  // opened for lack of access (a copy started by another user or as administrator). Any other
  // failure lets the program start.
  bool AnotherIsRunning() const { return another_; }
  // The mutex's name for `program` in `folder`.
  static std::wstring MutexName(const std::wstring& program, const std::wstring& folder);

 private:
  OwnedHandle mutex_;
  bool another_ = false;
};

}  // namespace vantor
