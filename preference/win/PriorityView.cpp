#include "preference/win/PriorityView.h"

#include <commctrl.h>

#include "common/win/WinPlatform.h"
#include "common/win/WinProcesses.h"
#include "preference/win/FileDialogs.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void PriorityView::Attach(HWND) {
  if (HWND pushed = control_(IDC_CheckPriority)) {
    const LONG style = ::GetWindowLongW(pushed, GWL_STYLE);
    ::SetWindowLongW(pushed, GWL_STYLE, style | BS_PUSHLIKE);
  }
  for (int id : {IDC_ComboPriUDA, IDC_ComboPriEXE}) {
    HWND list = control_(id);
    if (!list) continue;
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (int text : {IDS_PriorityHigh, IDS_PriorityNormal, IDS_PriorityLow}) {
      ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadText(text).c_str()));
    }
    ::SendMessageW(list, CB_SETCURSEL, kPriorityLow, 0);
  }
}

void PriorityView::Ready(bool writable) {
  ShowAgentTaskName();
  LoadPriorityFile(!writable);
}

void PriorityView::ShowAgentTaskName() {
  HWND box = control_(IDC_txtPriUDA);
  if (!box) return;
  WinProcesses processes;
  const MessageSink show = [box](const std::wstring& text) {
    ShowMessage(::GetAncestor(box, GA_ROOT), text, 0);  // a plain box, as Vantor shows it
  };
  SetControlText(box, AgentTaskNameText(GetOSKind(), ControlText(box), processes, show));
}

void PriorityView::LoadPriorityFile(bool quiet) {
  const auto state = ReadPriorityFile(ini_, files_);
  if (!state) return;
  SetTicked(control_(IDC_CheckPriPermission), true);
  CheckPriPermission_Click();
  const PriorityPage::Shown shown =
      page_.Load(*state, ControlText(control_(IDC_txtPriUDA)), ControlText(control_(IDC_txtPriEXE)));
  SetTicked(control_(IDC_CheckPriUDA), shown.udaTicked);
  SetTicked(control_(IDC_CheckPriEXE), shown.exeTicked);
  // A level the list does not hold leaves the list as it is.
  if (state->udaPosition) ::SendMessageW(control_(IDC_ComboPriUDA), CB_SETCURSEL, static_cast<WPARAM>(shown.udaPosition), 0);
  if (state->exePosition) ::SendMessageW(control_(IDC_ComboPriEXE), CB_SETCURSEL, static_cast<WPARAM>(shown.exePosition), 0);
  SetTicked(control_(IDC_CheckPriority), page_.Fixed());
  if (quiet) page_.TakeWriteFailure();
  TellWriteFailure();
}

void PriorityView::TellWriteFailure() {
  const PriorityPage::WriteFailure failure = page_.TakeWriteFailure();
  if (failure == PriorityPage::WriteFailure::None) return;
  const int text = failure == PriorityPage::WriteFailure::PriorityIni ? IDS_PriorityNotWritten : IDS_SettingsNotWritten;
  ShowMessage(::GetAncestor(control_(IDC_CheckPriority), GA_ROOT), LoadText(text), MB_ICONEXCLAMATION);
}

void PriorityView::CheckPriPermission_Click() {
  const BOOL enable = IsTicked(control_(IDC_CheckPriPermission)) ? TRUE : FALSE;
  for (int id : {IDC_CheckPriUDA, IDC_ComboPriUDA, IDC_CheckPriEXE, IDC_ComboPriEXE, IDC_cmdPriEXE, IDC_SlidPriFreq,
                 IDC_CheckPriority}) {
    ::EnableWindow(control_(id), enable);
  }
}

int PriorityView::Selection(int combo) const {
  return static_cast<int>(::SendMessageW(control_(combo), CB_GETCURSEL, 0, 0));
}

void PriorityView::CmdPriEXE_Click() {
  HWND box = control_(IDC_txtPriEXE);
  const auto file = ChooseFile(::GetAncestor(box, GA_ROOT), IDS_ExeOpenTitle, IDS_ExeFilter, L"*.exe");
  if (file) SetControlText(box, FileNameOfPath(*file));
}

bool PriorityView::OnCommand(int control, int notification) {
  const bool handled = Dispatch(control, notification);
  if (handled) TellWriteFailure();
  return handled;
}

bool PriorityView::Dispatch(int control, int notification) {
  HWND h = control_(control);
  switch (control) {
    case IDC_CheckPriPermission:
      if (notification == BN_CLICKED) CheckPriPermission_Click();
      return true;
    case IDC_CheckPriUDA:
      if (notification == BN_CLICKED) SetTicked(h, page_.CheckUda(IsTicked(h), ControlText(control_(IDC_txtPriUDA))));
      return true;
    case IDC_CheckPriEXE:
      if (notification == BN_CLICKED) SetTicked(h, page_.CheckExe(IsTicked(h), ControlText(control_(IDC_txtPriEXE))));
      return true;
    case IDC_ComboPriUDA:
      if (notification == CBN_SELCHANGE) page_.SelectUda(Selection(control));
      return true;
    case IDC_ComboPriEXE:
      if (notification == CBN_SELCHANGE) page_.SelectExe(Selection(control));
      return true;
    case IDC_cmdPriEXE:
      if (notification == BN_CLICKED) CmdPriEXE_Click();
      return true;
    case IDC_CheckPriority:
      if (notification == BN_CLICKED) SetTicked(h, page_.Fix(IsTicked(h)));
      return true;
    default:
      return false;
  }
}

bool PriorityView::OnScroll(int control, int) {
  if (control != IDC_SlidPriFreq) return false;
  const auto seconds = static_cast<int>(::SendMessageW(control_(control), TBM_GETPOS, 0, 0));
  SetControlText(control_(IDC_labPriFreqsec), std::to_wstring(seconds));
  page_.Frequency(seconds, settings_.Frequency);
  TellWriteFailure();
  return true;
}

}  // namespace vantor::preference
