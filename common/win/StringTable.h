// The texts of a program's string table, as both programs load them.
#pragma once

#include "common/win/Windows.h"

#include <string>

namespace vantor {

// The text with `id` in the string table of `instance`; empty when there is none.
std::wstring LoadText(HINSTANCE instance, UINT id);

// A message that names the program folder: its "%1" becomes the folder.
std::wstring NamingFolder(const std::wstring& text, const std::wstring& folder);

}  // namespace vantor
