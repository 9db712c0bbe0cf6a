#include "preference/core/FillPages.h"

#include <exception>
#include <functional>
#include <stdexcept>

#include "common/core/QuietHours.h"
#include "preference/core/IconPage.h"
#include "preference/core/PercentList.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

// Runs one assignment; a failure skips it and nothing else.
void Try(const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

// A percent list is read from its stored text and kept in its own form from then on, so a
// hand-edited text is saved again as the list the editor showed.
void FillPercentList(PageControls& controls, int readOut, std::wstring& stored) {
  const PercentList list(stored);
  stored = list.Text();
  controls.SetText(readOut, list.ReadOut());
}

void SetPosition(PageControls& controls, int control, int value) {
  const PositionRange range = RangeOf(control);
  if (value < range.min || value > range.max) throw std::out_of_range("position");
  controls.SetPosition(control, value);
}

}  // namespace

PositionRange RangeOf(int control) {
  switch (control) {
    case IDC_scrBakkin: return {10, 15};
    case IDC_slidDelayCPU: return {100, 1000};
    case IDC_slidDelayMOL: return {100, 5000};
    case IDC_SlidPriFreq: return {1, 5};
    case IDC_slidSound:
    case IDC_slidCaptureCPU:
    case IDC_slidCaptureMOL: return {0, 100};
    default: throw std::out_of_range("not a slider");
  }
}

std::wstring PercentReadOut(const std::wstring& storedText) {
  const std::size_t last = storedText.rfind(L';');
  return last == std::wstring::npos ? storedText : storedText.substr(0, last);
}

void FillPages(MainSettings& s, PageControls& c, FilePort& files) {
  // 1. The palette.
  for (int i = 0; i < kPaletteSize; ++i) Try([&] { c.SetPaletteColour(i, PaletteColour(s, i)); });

  // 2. Icon switches, picture path, double-click choice, picture switches, balloons.
  Try([&] { c.SetCheck(IDC_CheckWaku, s.IconFrame); });
  Try([&] { c.SetCheck(IDC_CheckMoji, s.IconText); });
  Try([&] { c.SetText(IDC_txtIconImage, s.IconPicture); });
  Try([&] { c.SelectOption(DblClickShowsAgent(s.DblClick) ? IDC_optShowUDAgent : IDC_optShowSetting); });
  const auto pictureSwitch = [&](int control, bool MainSettings::*flag) {
    Try([&] {
      // Ticking runs the switch's rule, as the user's tick would.
      const bool exists = !s.IconPicture.empty() && files.FileExists(s.IconPicture);
      s.*flag = ImageSwitch(s.*flag, exists, s.IconPicture);
      c.SetCheck(control, s.*flag);
    });
  };
  pictureSwitch(IDC_CheckBackImage, &MainSettings::IconBack);
  pictureSwitch(IDC_CheckGraphImage, &MainSettings::IconGraph);
  Try([&] { c.SetCheck(IDC_CheckBalloon, s.Balloon); });
  Try([&] { c.SetCheck(IDC_CheckTimeLeft, s.TimeLeft); });

  // 3. The picture; one that cannot be loaded is forgotten.
  Try([&] {
    bool loaded = false;
    Try([&] { loaded = c.LoadIconPicture(s.IconPicture); });  // a load that throws has failed too
    if (loaded) return;
    ForgetPicture(s);
    Try([&] { c.SetCheck(IDC_CheckBackImage, false); });
    Try([&] { c.SetCheck(IDC_CheckGraphImage, false); });
    Try([&] { c.SetText(IDC_txtIconImage, L""); });
    Try([&] { c.LoadIconPicture(L""); });
  });

  // 4. Sounds.
  Try([&] { c.SetText(IDC_txtSound1, s.SoundFile1); });
  Try([&] { c.SetCheck(IDC_CheckSound1_1, s.SoundProgress); });
  Try([&] { c.SetCheck(IDC_CheckSound1_2, s.SoundOnce); });
  Try([&] { c.SetText(IDC_txtSound2, s.SoundFile2); });
  Try([&] { c.SetCheck(IDC_CheckSound2, s.AlarmPercent); });
  Try([&] { FillPercentList(c, IDC_txtSoundPercents, s.AlarmSchedule); });
  Try([&] { c.SetCheck(IDC_CheckQuiet, s.SoundQuiet); });
  Try([&] { c.SetText(IDC_txtQuietFrom, ClockTimeText(s.QuietFrom)); });
  Try([&] { c.SetText(IDC_txtQuietTo, ClockTimeText(s.QuietTo)); });

  // 5. Save watch and backing off.
  Try([&] { c.SetText(IDC_txtUDA, s.SaveFolder); });
  Try([&] { c.SetCheck(IDC_CheckSaveFile, s.SaveCheck); });
  Try([&] { c.SetText(IDC_txtSound3, s.SoundFile3); });
  Try([&] { c.SetCheck(IDC_CheckSound3, s.SaveSound); });
  Try([&] { c.SetText(IDC_txtBakkin, std::to_wstring(s.Bakkin)); });
  Try([&] { SetPosition(c, IDC_scrBakkin, s.Bakkin); });

  // 6. Captures.
  Try([&] { c.SetText(IDC_txtCapture, s.CaptureFolder); });
  Try([&] { c.SetCheck(IDC_CheckCaptureCPU, s.CaptureCpu); });
  Try([&] { FillPercentList(c, IDC_txtCapCPUPer, s.CpuSchedule); });
  Try([&] { c.SetCheck(IDC_CheckCaptureMOL, s.CaptureMol); });
  Try([&] { FillPercentList(c, IDC_txtCapMOLPer, s.MolSchedule); });
  Try([&] { c.SetCheck(IDC_CheckMinimize, s.Capture_Minimize); });
  Try([&] { c.SelectOption(s.Capture_MinimizeMethod != 0 ? IDC_OptMinMethod2 : IDC_OptMinMethod1); });
  Try([&] { SetPosition(c, IDC_slidDelayCPU, s.Capture_Delay_CPU); });
  Try([&] { SetPosition(c, IDC_slidDelayMOL, s.Capture_Delay_MOL); });

  // 7. Priorities.
  Try([&] { c.SetText(IDC_txtPriUDA, s.PriorityUda); });
  Try([&] { c.SetText(IDC_txtPriEXE, s.PriorityOther); });
  Try([&] { SetPosition(c, IDC_SlidPriFreq, s.Frequency); });
}

}  // namespace vantor::preference
