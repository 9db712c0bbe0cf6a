#include "preference/win/FileDialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <vector>

#include "common/win/Handle.h"
#include "preference/win/Ui.h"

namespace vantor::preference {
namespace {

struct ItemListTraits {
  using Handle = PIDLIST_ABSOLUTE;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::CoTaskMemFree(h); }
};

int CALLBACK OpenOnFolder(HWND browser, UINT message, LPARAM, LPARAM initial) {
  if (message == BFFM_INITIALIZED && initial) ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, initial);
  return 0;
}

}  // namespace

std::optional<std::wstring> ChooseFile(HWND owner, int titleId, int filterId, const std::wstring& pattern) {
  std::wstring filter = LoadText(filterId) + L"(" + pattern + L")";
  filter.push_back(L'\0');
  filter += pattern;
  filter.push_back(L'\0');
  const std::wstring title = LoadText(titleId);
  std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!::GetOpenFileNameW(&dialog)) return std::nullopt;
  if (!FitsSettingsFiles(owner, file.data())) return std::nullopt;
  return std::wstring(file.data());
}

std::optional<std::wstring> ChooseFolder(HWND owner, int titleId, const std::wstring& initial) {
  const std::wstring title = LoadText(titleId);
  std::wstring start = initial;
  // The browser names folders without the trailing backslash, drive roots aside.
  if (start.size() > 3 && start.back() == L'\\') start.pop_back();
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = OpenOnFolder;
  info.lParam = start.empty() ? 0 : reinterpret_cast<LPARAM>(start.c_str());
  const Owned<ItemListTraits> chosen(::SHBrowseForFolderW(&info));
  if (!chosen) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListW(chosen.Get(), path) || !path[0]) return std::nullopt;
  if (!FitsSettingsFiles(owner, path)) return std::nullopt;
  return std::wstring(path);
}

}  // namespace vantor::preference
