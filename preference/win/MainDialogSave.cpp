// OK and Apply of the settings window: the typed boxes are taken, then Vantor.ini, the pages'
// own files (links.lst) and what they keep outside the folder (the log-on value) are written.
#include "preference/win/MainDialog.h"

#include "preference/core/EditorSettings.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void MainDialog::cmdOK_Click(int index) {
  // Every box as it reads now, also the one that still has the focus (Enter, or a button's
  // access key, leaves it there), by the rule of leaving it: a text that does not read brings
  // the stored value back, as a click on OK does by taking the focus.
  for (PageView* view : pages_) view->TakeTypedValues();
  const std::wstring uda = ControlText(Control(IDC_txtPriUDA)), other = ControlText(Control(IDC_txtPriEXE));
  // The two typed names are the only texts not checked when they were chosen.
  if (!FitsSettingsFiles(hwnd_, uda) || !FitsSettingsFiles(hwnd_, other)) return;
  // The log-on box is a registry value, written also where the folder takes no file.
  const bool files = SaveFiles(uda, other);
  bool outside = true;
  for (PageView* view : pages_) outside = view->SaveOutside(hwnd_) && outside;
  if (files && outside && index == 0) ::EndDialog(hwnd_, IDOK);
}

bool MainDialog::SaveFiles(const std::wstring& uda, const std::wstring& other) {
  IniFile ini(profile_, folder_);
  if (!SaveSettings(ini, settings_, uda, other)) {
    // Nothing is said to be saved, no other file is touched, and the edits stay in the window.
    ShowMessage(hwnd_, LoadText(IDS_SettingsNotWritten), MB_ICONEXCLAMATION);
    return false;
  }
  bool saved = true;
  for (PageView* view : pages_) saved = view->SaveFile(hwnd_) && saved;
  return saved;
}

}  // namespace vantor::preference
