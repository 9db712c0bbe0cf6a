// Libraries from the system folder only. A program started from a download folder must not
// run a DLL that someone left beside it: the loader looks in the program's own folder first for
// every DLL that Windows does not count among its known DLLs.
#pragma once

#include "common/win/Windows.h"

namespace vantor {

// Restricts the search for DLLs loaded from now on to the system folder. Called first thing,
// before anything loads a library. Where the system lacks SetDefaultDllDirectories (Windows 7
// without its 2011 loader update), only the current folder is taken out of the search.
void SearchSystemFolderOnly();

// A library of the system folder, loaded for the life of the process (each call adds a load);
// null when it cannot be loaded. Its own imports are looked for beside it, not beside us.
HMODULE SystemLibrary(const wchar_t* name);

// A function of such a library; null when the library or the function is missing.
template <typename F>
F SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = SystemLibrary(library);
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

}  // namespace vantor
