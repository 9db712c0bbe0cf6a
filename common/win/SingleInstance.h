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
  bool AnotherIsRunning() const { return another_; }

 private:
  OwnedHandle mutex_;
  bool another_ = false;
};

}  // namespace vantor
