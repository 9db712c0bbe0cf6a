#include "preference/win/CapturePageView.h"

#include "preference/core/SavePage.h"
#include "preference/win/FileDialogs.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

CapturePageView::CapturePageView(std::function<HWND(int)> control, MainSettings& settings)
    : control_(control),
      settings_(settings),
      cpu_(control, {IDC_slidCaptureCPU, IDC_txtCaptureCPU, IDC_cmdAddCaptureCPU, IDC_cmdClearCaptureCPU, IDC_txtCapCPUPer},
           settings.CpuSchedule),
      mol_(control, {IDC_slidCaptureMOL, IDC_txtCaptureMOL, IDC_cmdAddCaptureMOL, IDC_cmdClearCaptureMOL, IDC_txtCapMOLPer},
           settings.MolSchedule) {}

bool CapturePageView::OnCommand(int control, int notification) {
  if (cpu_.OnCommand(control, notification) || mol_.OnCommand(control, notification)) return true;
  switch (control) {
    case IDC_cmdCapture:
      if (notification == BN_CLICKED) ChooseCaptureFolder();
      return true;
    case IDC_CheckCaptureCPU:
      if (notification == BN_CLICKED) settings_.CaptureCpu = IsTicked(control_(control));
      return true;
    case IDC_CheckCaptureMOL:
      if (notification == BN_CLICKED) settings_.CaptureMol = IsTicked(control_(control));
      return true;
    default:
      return false;
  }
}

void CapturePageView::ChooseCaptureFolder() {
  HWND box = control_(IDC_txtCapture);
  const auto chosen = ChooseFolder(::GetAncestor(box, GA_ROOT), IDS_CaptureFolderTitle, ControlText(box));
  if (!chosen) return;
  // The pictures' names are appended to the folder as it is stored: with its backslash.
  SetControlText(box, WithTrailingBackslash(*chosen));
  settings_.CaptureFolder = ControlText(box);
}

}  // namespace vantor::preference
