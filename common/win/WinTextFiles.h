// Text files in the ANSI code page, as the bookmark file is kept.
#pragma once

#include "common/core/Links.h"

namespace vantor {

class WinTextFiles : public LinkFilePort {
 public:
  std::optional<std::wstring> ReadText(const std::wstring& path) override;
  // Writes a new file beside the old one and then replaces it, so a failure never leaves a
  // truncated file behind.
  bool WriteText(const std::wstring& path, const std::wstring& text) override;
  bool CreateText(const std::wstring& path, const std::wstring& text) override;
};

}  // namespace vantor
