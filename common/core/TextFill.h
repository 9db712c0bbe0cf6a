// The string tables' messages mark what they are given as "%1", "%2", ...
#pragma once

#include <initializer_list>
#include <string>

namespace vantor {

// `text` with each "%1" replaced by the first value, each "%2" by the second, and so on, in one
// pass: a value that holds such a mark itself (a folder named "%2") stays as it is.
inline std::wstring Filled(const std::wstring& text, std::initializer_list<std::wstring> values) {
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A mark's number, counted from 0; none (past the values) after any other character.
    const auto n = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - L'1') : values.size();
    if (text[i] == L'%' && n < values.size()) {
      out += values.begin()[n];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace vantor
