#include "common/win/StringTable.h"

#include "common/core/TextFill.h"

namespace vantor {

std::wstring LoadText(HINSTANCE instance, UINT id) {
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(instance, id, reinterpret_cast<wchar_t*>(&text), 0);
  return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

std::wstring NamingFolder(const std::wstring& text, const std::wstring& folder) { return Filled(text, {folder}); }

}  // namespace vantor
