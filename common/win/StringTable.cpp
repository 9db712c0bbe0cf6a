#include "common/win/StringTable.h"

namespace vantor {

std::wstring LoadText(HINSTANCE instance, UINT id) {
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::wstring NamingFolder(std::wstring text, const std::wstring& folder) {
  const std::size_t at = text.find(L"%1");
  if (at != std::wstring::npos) text.replace(at, 2, folder);
  return text;
}

}  // namespace vantor
