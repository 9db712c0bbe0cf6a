// Text files in the ANSI code page, as the bookmark file is kept.
#pragma once

#include <string>
#include <string_view>

#include "common/core/Links.h"

namespace vantor {

class WinTextFiles : public LinkFilePort {
 public:
  // Opens the file sharing reading, writing and deletion, so that a reader never blocks the
  // replace of a save. A file that exists but cannot be opened, or whose read fails on the
  // way, is a partial read.
  TextRead ReadText(const std::wstring& path) override;
  // Writes a new file beside the old one and then replaces it, so a failure never leaves a
  // truncated file behind. A replace that meets another program's handle of the file (a
  // sharing violation) is retried for up to one second before it counts as failed.
  bool WriteText(const std::wstring& path, const std::wstring& text) override;
  bool CreateText(const std::wstring& path, const std::wstring& text) override;
  bool Touch(const std::wstring& path) override;
};

// Text in the system's ANSI code page.
std::wstring FromAnsi(std::string_view bytes);

// True when `text` survives the trip into the ANSI code page and back unchanged: no character
// becomes the default character ("?") or a best-fit look-alike.
bool FitsAnsiCodePage(const std::wstring& text);

}  // namespace vantor
