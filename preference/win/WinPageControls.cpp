#include "preference/win/WinPageControls.h"

#include <commctrl.h>

#include <stdexcept>

#include "preference/core/SavePage.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

// The option button that shares a group with another.
int PartnerOf(int control) {
  switch (control) {
    case IDC_optShowSetting: return IDC_optShowUDAgent;
    case IDC_optShowUDAgent: return IDC_optShowSetting;
    case IDC_OptMinMethod1: return IDC_OptMinMethod2;
    case IDC_OptMinMethod2: return IDC_OptMinMethod1;
    default: throw std::out_of_range("not an option button");
  }
}

// The label that shows a slider's value, if it has one.
int ValueLabelOf(int control) {
  switch (control) {
    case IDC_slidDelayCPU: return IDC_labDelayCPUmsec;
    case IDC_slidDelayMOL: return IDC_labDelayMOLmsec;
    case IDC_SlidPriFreq: return IDC_labPriFreqsec;
    default: return 0;
  }
}

}  // namespace

HWND WinPageControls::Get(int id) const {
  HWND h = control_(id);
  if (!h) throw std::out_of_range("no such control");
  return h;
}

void WinPageControls::InitRanges() {
  struct Slider {
    int id, line, page, ticks, initial;
  } sliders[] = {{IDC_slidSound, 1, 5, 10, 0},          {IDC_slidCaptureCPU, 1, 5, 10, 0},
                 {IDC_slidCaptureMOL, 1, 5, 10, 0},     {IDC_slidDelayCPU, 100, 100, 100, 100},
                 {IDC_slidDelayMOL, 100, 100, 500, 500}, {IDC_SlidPriFreq, 1, 1, 1, 1}};
  for (const Slider& s : sliders) {
    HWND h = control_(s.id);
    if (!h) continue;
    const PositionRange range = RangeOf(s.id);
    ::SendMessageW(h, TBM_SETRANGEMIN, FALSE, range.min);
    ::SendMessageW(h, TBM_SETRANGEMAX, FALSE, range.max);
    ::SendMessageW(h, TBM_SETLINESIZE, 0, s.line);
    ::SendMessageW(h, TBM_SETPAGESIZE, 0, s.page);
    ::SendMessageW(h, TBM_SETTICFREQ, static_cast<WPARAM>(s.ticks), 0);
    SetPosition(s.id, s.initial);
  }
  if (HWND bakkin = control_(IDC_scrBakkin)) {
    const PositionRange range = RangeOf(IDC_scrBakkin);
    ::SetScrollRange(bakkin, SB_CTL, range.min, range.max, FALSE);
    ::SetScrollPos(bakkin, SB_CTL, BakkinBarPosition(range.max), TRUE);
  }
}

void WinPageControls::SetCheck(int control, bool ticked) { SetTicked(Get(control), ticked); }

void WinPageControls::SetText(int control, const std::wstring& text) { SetControlText(Get(control), text); }

void WinPageControls::SelectOption(int control) {
  SetTicked(Get(PartnerOf(control)), false);
  SetTicked(Get(control), true);
}

void WinPageControls::SetPosition(int control, int value) {
  HWND h = Get(control);
  if (control == IDC_scrBakkin) {
    ::SetScrollPos(h, SB_CTL, BakkinBarPosition(value), TRUE);
    return;
  }
  ::SendMessageW(h, TBM_SETPOS, TRUE, value);
  if (const int label = ValueLabelOf(control)) SetControlText(Get(label), std::to_wstring(value));
}

}  // namespace vantor::preference
