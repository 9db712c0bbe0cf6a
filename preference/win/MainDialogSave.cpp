// OK and Apply of the settings window: the typed boxes are taken, then Vantor.ini, links.lst
// and the log-on value are written.
#include "preference/win/MainDialog.h"

#include "preference/core/EditorSettings.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void MainDialog::cmdOK_Click(int index) {
  // Every box as it reads now, also the one that still has the focus (Enter, or a button's
  // access key, leaves it there), by the rule of leaving it: a text that does not read brings
  // the stored value back, as a click on OK does by taking the focus.
  sound_.TakeTypedValues();
  save_.TakeTypedValues();
  const std::wstring uda = ControlText(Control(IDC_txtPriUDA)), other = ControlText(Control(IDC_txtPriEXE));
  // The two typed names are the only texts not checked when they were chosen.
  if (!FitsSettingsFiles(hwnd_, uda) || !FitsSettingsFiles(hwnd_, other)) return;
  // The log-on box is a registry value, written also where the folder takes no file.
  const bool files = SaveFiles(uda, other), logon = logon_.Save(hwnd_);
  if (files && logon && index == 0) ::EndDialog(hwnd_, IDOK);
}

bool MainDialog::SaveFiles(const std::wstring& uda, const std::wstring& other) {
  IniFile ini(profile_, folder_);
  if (!SaveSettings(ini, settings_, uda, other)) {
    // Nothing is said to be saved, links.lst is not touched, and the edits stay in the window.
    ShowMessage(hwnd_, LoadText(IDS_SettingsNotWritten), MB_ICONEXCLAMATION);
    return false;
  }
  return SaveLinks(ini.Path(kLinksLst));
}

bool MainDialog::SaveLinks(const std::wstring& path) {
  if (!links_.ReadWhole) {
    // The file holds more than the page could read: it is replaced only when the user says so.
    const int answer = ::MessageBoxW(hwnd_, LoadText(IDS_LinksReplaceQuestion).c_str(), L"Vantor",
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES) {
      // links.lst keeps its bytes; its new time still tells the monitor to reload the settings.
      textFiles_.Touch(path);
      return true;
    }
  }
  // links.lst last: its new time tells the monitor to reload everything.
  HWND lines = Control(IDC_lstLink2);
  std::wstring text;
  const auto count = ::SendMessageW(lines, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = ::SendMessageW(lines, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) continue;
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(lines, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(length));
    text += line + L"\r\n";
  }
  // Lines after one that could not be read are the user's too: they are kept as they were.
  if (!links_.Complete) text += links_.Unread;
  if (!textFiles_.WriteText(path, text)) {
    // The settings stay saved; the window stays open so that nothing is lost unnoticed.
    ShowMessage(hwnd_, LoadText(IDS_LinksNotWritten), MB_ICONEXCLAMATION);
    return false;
  }
  LoadLinks(textFiles_, path, links_);
  bookmarks_.FillBookmarkList(links_);
  return true;
}

}  // namespace vantor::preference
