// The icon file over kernel32.
#pragma once

#include "station/core/IconFilePort.h"

namespace vantor {

class WinIconFile : public IconFilePort {
 public:
  bool WriteIconFile(const std::wstring& path, const IcoBytes& bytes) override;
};

}  // namespace vantor
