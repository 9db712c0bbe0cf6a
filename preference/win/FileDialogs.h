// The common dialogs the pages open: a file to open and a folder to choose. Both give
// nothing when the user cancels or the dialog fails, and nothing after a message when the
// chosen path holds characters that the settings files cannot store.
#pragma once

#include "common/win/Windows.h"

#include <optional>
#include <string>

namespace vantor::preference {

// The open dialog titled with string `titleId`; its filter shows string `filterId` followed
// by "(pattern)" and lists the files of `pattern` ("*.wav").
std::optional<std::wstring> ChooseFile(HWND owner, int titleId, int filterId, const std::wstring& pattern);

// The shell's folder browser titled with string `titleId`, file-system folders only. It opens
// on `initial` (the folder the page shows) when that is a folder.
std::optional<std::wstring> ChooseFolder(HWND owner, int titleId, const std::wstring& initial);

}  // namespace vantor::preference
