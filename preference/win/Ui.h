// Small helpers of the settings window: string table texts, control texts, pixel scaling.
#pragma once

#include "common/core/TextFill.h"
#include "common/win/Windows.h"

#include <string>

namespace vantor::preference {

// The string `id` of the program's string table; "" when there is none.
std::wstring LoadText(int id);

std::wstring ControlText(HWND control);
void SetControlText(HWND control, const std::wstring& text);
bool IsTicked(HWND control);
void SetTicked(HWND control, bool ticked);

// Pixels at 96 dots per inch scaled to the system's setting.
int Scaled(int pixels);

// A message box owned by `owner` with the text of string `id` (or `text`) and title "Vantor".
void ShowMessage(HWND owner, const std::wstring& text, UINT icon);

// True when `text` can be stored in the settings files (it survives their ANSI code page);
// otherwise a message box titled `title` names it, and false.
bool FitsSettingsFiles(HWND owner, const std::wstring& text, const std::wstring& title = L"Vantor");

}  // namespace vantor::preference
