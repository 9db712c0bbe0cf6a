// The string tables' messages mark what they are given as "%1", "%2", ...
#pragma once

#include <initializer_list>
#include <string>

namespace vantor {

// `text` with its first "%1" replaced by the first value, its first "%2" by the second, and so on.
inline std::wstring Filled(std::wstring text, std::initializer_list<std::wstring> values) {
  int number = 1;
  for (const std::wstring& value : values) {
    const std::wstring mark = L"%" + std::to_wstring(number++);
    if (const std::size_t at = text.find(mark); at != std::wstring::npos) text.replace(at, mark.size(), value);
  }
  return text;
}

}  // namespace vantor
