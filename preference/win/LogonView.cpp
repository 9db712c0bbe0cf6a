#include "preference/win/LogonView.h"

#include "preference/win/Ui.h"
#include "preference/win/WindowLayout.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void LogonView::Refresh() {
  if (changed_) return;
  shown_ = ReadLogonEntry(registry_, folder_);
  SetTicked(control_(IDC_CheckLogon), shown_.state == LogonState::ThisFolder);
  std::wstring note;
  if (shown_.state == LogonState::OtherFolder) note = LoadText(IDS_LogonOtherFolder) + shown_.program;
  if (shown_.state == LogonState::SwitchedOff) note = LoadText(IDS_LogonSwitchedOff);
  HWND label = control_(IDC_labLogonNote);
  SetControlText(label, note);
  WrapLines(label);
}

bool LogonView::OnCommand(int control, int notification) {
  if (control != IDC_CheckLogon) return false;
  if (notification == BN_CLICKED) changed_ = true;
  return true;
}

bool LogonView::SaveOutside(HWND owner) {
  const bool ticked = IsTicked(control_(IDC_CheckLogon));
  const bool written = ticked == (shown_.state == LogonState::ThisFolder) || WriteLogonEntry(registry_, folder_, ticked);
  changed_ = false;
  Refresh();
  if (!written) ShowMessage(owner, LoadText(IDS_LogonNotWritten), MB_ICONEXCLAMATION);
  return written;
}

}  // namespace vantor::preference
