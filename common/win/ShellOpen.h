// Opening a file, a program or an address as the shell's "open" does.
#pragma once

#include "common/win/Windows.h"

#include <string>

namespace vantor {

// Opens `target` shown normally, with `owner` as the owner of anything the shell has to ask;
// false when the shell could not open it.
bool ShellOpen(HWND owner, const std::wstring& target);

}  // namespace vantor
