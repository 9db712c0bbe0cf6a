#include "preference/win/PriorityView.h"

#include "common/win/WinPlatform.h"
#include "common/win/WinProcesses.h"
#include "preference/core/PriorityPage.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void PriorityView::PrepareControls() {
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

void PriorityView::ShowAgentTaskName() {
  HWND box = control_(IDC_txtPriUDA);
  if (!box) return;
  WinProcesses processes;
  const MessageSink show = [box](const std::wstring& text) {
    ShowMessage(::GetAncestor(box, GA_ROOT), text, MB_ICONERROR);
  };
  SetControlText(box, AgentTaskNameText(GetOSKind(), ControlText(box), processes, show));
}

void PriorityView::LoadPriorityFile(const IniFile& ini) {
  const auto state = ReadPriorityFile(ini, files_);
  if (!state) return;
  const auto tick = [&](int id, bool on) {
    if (HWND h = control_(id)) SetTicked(h, on);
  };
  const auto select = [&](int id, std::optional<int> position) {
    // A level the list does not hold leaves "低" selected.
    if (HWND h = control_(id); h && position) ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(*position), 0);
  };
  tick(IDC_CheckPriPermission, true);
  CheckPriPermission_Click();
  tick(IDC_CheckPriUDA, state->udaChange);
  CheckPriUDA_Click();
  select(IDC_ComboPriUDA, state->udaPosition);
  ComboPriUDA_Click();
  tick(IDC_CheckPriEXE, state->exeChange);
  CheckPriEXE_Click();
  select(IDC_ComboPriEXE, state->exePosition);
  ComboPriEXE_Click();
  tick(IDC_CheckPriority, true);
  CheckPriority_Click();
}

}  // namespace vantor::preference
