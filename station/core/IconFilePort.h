// The icon file, temp.ico, that other programs may show.
#pragma once

#include <string>

#include "common/core/IcoFile.h"

namespace vantor {

class IconFilePort {
 public:
  virtual ~IconFilePort() = default;
  // Writes the bytes from the file's start without truncating a longer file.
  virtual bool WriteIconFile(const std::wstring& path, const IcoBytes& bytes) = 0;
};

}  // namespace vantor
