#include "preference/win/CaptureDetailView.h"

#include <commctrl.h>

#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

bool CaptureDetailView::OnCommand(int control, int notification) {
  switch (control) {
    case IDC_CheckMinimize:
      if (notification == BN_CLICKED) settings_.Capture_Minimize = IsTicked(control_(control));
      return true;
    case IDC_OptMinMethod1:
    case IDC_OptMinMethod2:
      // A click on either button and the focus arriving on either store the choice.
      if (notification == BN_CLICKED || notification == BN_SETFOCUS) {
        settings_.Capture_MinimizeMethod = IsTicked(control_(IDC_OptMinMethod1)) ? 0 : 1;
      }
      return true;
    default:
      return false;
  }
}

bool CaptureDetailView::OnScroll(int control, int) {
  std::int16_t MainSettings::*delay = nullptr;
  int label = 0;
  switch (control) {
    case IDC_slidDelayCPU: delay = &MainSettings::Capture_Delay_CPU; label = IDC_labDelayCPUmsec; break;
    case IDC_slidDelayMOL: delay = &MainSettings::Capture_Delay_MOL; label = IDC_labDelayMOLmsec; break;
    default: return false;
  }
  const auto value = static_cast<int>(::SendMessageW(control_(control), TBM_GETPOS, 0, 0));
  SetControlText(control_(label), std::to_wstring(value));
  settings_.*delay = static_cast<std::int16_t>(value);
  return true;
}

}  // namespace vantor::preference
