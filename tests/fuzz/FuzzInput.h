// Turning the fuzzer's bytes into the wide texts the parsers read, and the checks of the
// targets. An input that starts with the UTF-16 byte order mark FF FE is read as UTF-16LE
// code units (how Japanese seeds are written); any other input is one character per byte,
// so plain-text seeds stay readable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace vantor::fuzz {

inline std::wstring DecodeText(const std::uint8_t* data, std::size_t size) {
  std::wstring text;
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    for (std::size_t i = 2; i + 1 < size; i += 2) {
      text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));
    }
  } else {
    for (std::size_t i = 0; i < size; ++i) text += static_cast<wchar_t>(data[i]);
  }
  return text;
}

// The lines of `text` (split at LF; a CR before it stays), at least one, the last one
// possibly empty.
inline std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t lf = text.find(L'\n', pos);
    if (lf == std::wstring::npos) break;
    lines.push_back(text.substr(pos, lf - pos));
    pos = lf + 1;
  }
  lines.push_back(text.substr(pos));
  return lines;
}

// A broken invariant: report it and abort, which the fuzzer records as a crash with the input.
#define FUZZ_CHECK(condition)                                                       \
  do {                                                                              \
    if (!(condition)) {                                                             \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                 \
    }                                                                               \
  } while (false)

}  // namespace vantor::fuzz
