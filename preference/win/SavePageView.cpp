#include "preference/win/SavePageView.h"

#include <algorithm>

#include "preference/core/SavePage.h"
#include "preference/win/FileDialogs.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

SavePageView::SavePageView(std::function<HWND(int)> control, MainSettings& settings, FilePort& files)
    : control_(control),
      settings_(settings),
      files_(files),
      sound3_(control, {IDC_txtSound3, IDC_cmdSound3, IDC_cmdSound3Test}, settings.SoundFile3) {}

void SavePageView::ShowMinutes(int minutes) {
  ::SetScrollPos(control_(IDC_scrBakkin), SB_CTL, BakkinBarPosition(minutes), TRUE);
  SetControlText(control_(IDC_txtBakkin), std::to_wstring(minutes));
}

void SavePageView::TakeTypedValues() {
  if (const auto minutes = BakkinOfText(ControlText(control_(IDC_txtBakkin)))) settings_.Bakkin = *minutes;
  ShowMinutes(settings_.Bakkin);
}

bool SavePageView::OnCommand(int control, int notification) {
  if (sound3_.OnCommand(control, notification)) return true;
  switch (control) {
    case IDC_cmdUDA:
      if (notification == BN_CLICKED) ChooseAgentFolder();
      return true;
    case IDC_CheckSaveFile:
      if (notification == BN_CLICKED) {
        settings_.SaveCheck = SaveCheckAfterClick(IsTicked(control_(control)), settings_.SaveCheck, settings_.SaveFolder);
      }
      return true;
    case IDC_CheckSound3:
      if (notification == BN_CLICKED) settings_.SaveSound = IsTicked(control_(control));
      return true;
    case IDC_txtBakkin:
      // Leaving the box: anything but 10 to 15 brings the stored minutes back.
      if (notification == EN_KILLFOCUS) TakeTypedValues();
      return true;
    default:
      return false;
  }
}

bool SavePageView::OnScroll(int control, int request) {
  if (control != IDC_scrBakkin) return false;
  int minutes = settings_.Bakkin;
  switch (request) {
    case SB_LINEUP:
    case SB_PAGEUP: ++minutes; break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN: --minutes; break;
    case SB_TOP: minutes = kBakkinMax; break;
    case SB_BOTTOM: minutes = kBakkinMin; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      ::GetScrollInfo(control_(IDC_scrBakkin), SB_CTL, &info);
      minutes = BakkinBarPosition(info.nTrackPos);
      break;
    }
    default: return true;
  }
  settings_.Bakkin = static_cast<std::int16_t>(std::clamp<int>(minutes, kBakkinMin, kBakkinMax));
  ShowMinutes(settings_.Bakkin);
  return true;
}

void SavePageView::ChooseAgentFolder() {
  HWND box = control_(IDC_txtUDA);
  HWND owner = ::GetAncestor(box, GA_ROOT);
  const auto chosen = ChooseFolder(owner, IDS_AgentFolderTitle, ControlText(box));
  if (!chosen) return;
  if (const auto folder = AcceptAgentFolder(*chosen, files_)) {
    SetControlText(box, folder->boxText);
    settings_.SaveFolder = folder->stored;
    return;
  }
  // Not the agent's folder: the old one stays, and the watch is switched off.
  SetTicked(control_(IDC_CheckSaveFile), false);
  settings_.SaveCheck = false;
  ::MessageBoxW(owner, LoadText(IDS_NoAgentSaveFile).c_str(), L"Vantor", MB_OK | MB_ICONERROR);
}

}  // namespace vantor::preference
