#include "preference/win/Ui.h"

#include <vector>

#include "common/win/Handle.h"
#include "common/win/StringTable.h"
#include "common/win/WinTextFiles.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

std::wstring LoadText(int id) { return vantor::LoadText(::GetModuleHandleW(nullptr), static_cast<UINT>(id)); }

std::wstring ControlText(HWND control) {
  const int length = ::GetWindowTextLengthW(control);
  if (length <= 0) return L"";
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int got = ::GetWindowTextW(control, buffer.data(), length + 1);
  return std::wstring(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

void SetControlText(HWND control, const std::wstring& text) {
  if (ControlText(control) != text) ::SetWindowTextW(control, text.c_str());
}

bool IsTicked(HWND control) { return ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetTicked(HWND control, bool ticked) {
  ::SendMessageW(control, BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Scaled(int pixels) {
  static const int dpi = [] {
    const ScreenDc screen;
    const int value = screen.Get() ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 96;
    return value > 0 ? value : 96;
  }();
  return ::MulDiv(pixels, dpi, 96);
}

void ShowMessage(HWND owner, const std::wstring& text, UINT icon) {
  ::MessageBoxW(owner, text.c_str(), L"Vantor", MB_OK | icon);
}

bool FitsSettingsFiles(HWND owner, const std::wstring& text, const std::wstring& title) {
  if (FitsAnsiCodePage(text)) return true;
  const std::wstring message = LoadText(IDS_NotInCodePage) + L"\n" + text;
  ::MessageBoxW(owner, message.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
  return false;
}

}  // namespace vantor::preference
