#include "station/core/Station.h"

#include "common/core/Convert.h"
#include "common/core/OsKind.h"
#include "station/core/AgentSearch.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace vantor {

std::wstring ErrorText(const std::wstring& procedure) {
  return L"エラーが-" + procedure + L"-で発生しました。";
}

Station::Station(const StationPorts& ports)
    : windows_(ports.windows),
      files_(ports.files),
      host_(ports.host),
      icons_(ports.icons),
      processes_(ports.processes),
      sound_(ports.sound),
      capture_(ports.capture),
      linkFiles_(ports.links),
      priorities_(ports.priorities),
      ini_(ports.profile, ports.programFolder),
      unwritableFolderText_(ports.unwritableFolderText),
      record_(ports.record),
      timeLeftTexts_(ports.timeLeftTexts),
      recordTexts_(ports.recordTexts) {}

void Station::ReportError(const std::wstring& text) {
  if (reportOpen_ || holdingReports_) {
    const bool known = text == openReport_ ||
                       std::find(waitingReports_.begin(), waitingReports_.end(), text) != waitingReports_.end();
    if (!known) waitingReports_.push_back(text);
    return;
  }
  reportOpen_ = true;
  openReport_ = text;
  for (;;) {
    host_.ShowError(openReport_);
    if (waitingReports_.empty()) break;
    openReport_ = std::move(waitingReports_.front());
    waitingReports_.pop_front();
  }
  openReport_.clear();
  reportOpen_ = false;
}

void Station::ShowHeldReports() {
  holdingReports_ = false;
  if (reportOpen_ || waitingReports_.empty()) return;
  std::wstring first = std::move(waitingReports_.front());
  waitingReports_.pop_front();
  ReportError(first);
}

bool Station::TellUnwritableFolder() {
  // A read-only share or a folder under Program Files: nothing of ours can be kept there.
  if (files_.CanWriteIn(ini_.Folder())) return false;
  if (!std::exchange(unwritableFolderTold_, true)) ReportError(unwritableFolderText_);
  return true;
}

void Station::OwnWrite(bool written, const wchar_t* procedure, bool& failing) {
  OwnWrite(written, ErrorText(procedure), failing);
}

void Station::OwnWrite(bool written, const std::wstring& failure, bool& failing) {
  if (written) {
    failing = false;
    // A folder may take writes to files that are there and still no new file: the message is
    // news again only once the folder takes files again.
    if (unwritableFolderTold_ && files_.CanWriteIn(ini_.Folder())) unwritableFolderTold_ = false;
    return;
  }
  if (TellUnwritableFolder()) return;
  if (!std::exchange(failing, true)) ReportError(failure);
}

bool Station::StampChanged(ChangeStamp& stamp, const std::wstring& path, bool& failing, const wchar_t* procedure) {
  try {
    const bool changed = stamp.Changed(files_, path);
    failing = false;
    return changed;
  } catch (const std::exception&) {
    // A drive that stays unready or a folder that cannot be listed fails at every tick.
    if (!failing) ReportError(ErrorText(procedure));
    failing = true;
    return false;
  }
}

void Station::Form_Load() {
  // What goes wrong during start-up is told once the progress shows and the ticks run: a
  // message never holds up the tray icon or the icon window.
  holdingReports_ = true;
  try {
    StartupDone = false;
    NoAgentShown = false;
    LoadSettings();
    ParseSchedules();
    LoadWaitingRows();
    const std::int16_t kind = host_.GetOSKind();
    OldShell = (kind == kOsNtBefore5 || kind == kOsNt5OrLater) ? 0 : 1;
    host_.SetWindowTop(1);
    host_.SizeAndHide();
    VantorIniStamp.Prime(files_, ini_.Path(kVantorIni));
    const std::wstring priorityIni = ini_.Path(kPriorityIni);
    // A delete counts once the file is gone: on a read-only share some systems report success.
    if (files_.FileExists(priorityIni) && !(files_.DeleteFile(priorityIni) && !files_.FileExists(priorityIni))) {
      // In a folder that takes no file, the one message tells it; the file left there by an
      // earlier run switches no fixing on in this one.
      if (!TellUnwritableFolder()) throw std::runtime_error("priority.ini stays");
      leftPriorityIni_ = files_.FileTime(priorityIni);
    }
    LinksStamp.Prime(files_, ini_.Path(kLinksLst));
    if (settings_.SaveCheck) SaveFileStamp.Prime(files_, SaveFilePath());
    petitLink();
    ChangeIcon();
    LoadWindowState();
    ApplyDisplayMode();
    StartupDone = true;
  } catch (const std::exception&) {
    ReportError(L"Vantor起動中にエラーが発生しました。");
    // The tray icon or the icon window, and with it the menu, are there all the same: with
    // what was loaded and the defaults for the rest.
    try {
      ApplyDisplayMode();
    } catch (const std::exception&) {
    }
  }
  host_.EnableTimer(StationTimer::Main, true);
  ShowHeldReports();
}

void Station::timMain_Timer() {
  CheckVTRiniTimeStamp();
  CheckLinkListTimeStamp();
  CheckSaveTimeStamp();
  CheckPriorityFile();
  menu_.Alarm = settings_.SoundProgress && settings_.SoundOnce;
  MeasureAgent();
  UnitsTick();
}

void Station::MeasureAgent() {
  UDformhwnd = windows_.FindWindow(kAgentClass, L"");
  if (UDformhwnd == 0) {
    // The agent is gone: its handles may soon name other programs' windows.
    UDformhwndMol = 0;
    UDProcessID = 0;
    Percent = 0;
    if (!NoAgentShown) ChangeIcon();
    NoAgentShown = true;
    return;
  }
  NoAgentShown = false;
  UDProcessID = windows_.WindowProcessId(UDformhwnd);
  // The walk has looked up the form's frame and bar already; with no form both stay 0.
  AgentControls controls;
  UDformhwnd = GetWindowHandle(windows_, UDProcessID, UDformhwndMol, &controls);
  hwndProgressFrame = controls.frame;
  hwndProgressBar = controls.bar;
  int width = 0;
  {
    SpaceOf space(windows_, UDformhwnd);  // the bar's width as the agent itself sees it
    width = windows_.ClientWidth(hwndProgressBar);
  }
  const std::int16_t percent = PercentOfWidth(width);
  Percent = percent;
  if (percent != LastPercent) {
    LastPercent = percent;
    ZeroTicks = 0;
    Backin = false;
    ChangeIcon();
    CheckAlarm();
    CheckCapture();
  } else if (percent == 0) {
    if (ZeroTicks < BackinThreshold()) {
      ++ZeroTicks;
    } else {
      Backin = true;
      if (BackinBlink) {
        BackinBlink = false;
        ChangeIcon();
      } else {
        BackinBlink = true;
        ChangeIconBackin();
      }
    }
  }
}

void Station::LoadSettings() { vantor::LoadSettings(ini_, settings_, SettingsReader::Vantor); }

void Station::CheckVTRiniTimeStamp() {
  if (!StampChanged(VantorIniStamp, ini_.Path(kVantorIni), vantorIniCheckFailing_, L"CheckVTRiniTimeStamp")) return;
  try {
    petitLink();
  } catch (const std::exception&) {
    ReportError(ErrorText(L"CheckVTRiniTimeStamp"));
  }
}

void Station::CheckLinkListTimeStamp() {
  if (!StampChanged(LinksStamp, ini_.Path(kLinksLst), linksCheckFailing_, L"CheckLinkListTimeStamp")) return;
  try {
    // The editor writes links.lst last: a tick between its two writes rebuilt the bookmarks
    // from the old file, so they are rebuilt here too and always match the file.
    petitLink();
    LoadSettings();
    ParseSchedules();
    ChangeIcon();
  } catch (const std::exception&) {
    ReportError(ErrorText(L"CheckLinkListTimeStamp"));
  }
}

void Station::CheckPriorityFile() {
  const std::wstring path = ini_.Path(kPriorityIni);
  if (leftPriorityIni_ && files_.FileTime(path) == *leftPriorityIni_) return;  // the one start-up could not delete
  leftPriorityIni_.reset();
  if (files_.FileExists(path)) host_.EnableTimer(StationTimer::Priority, true);
}

void Station::timDeleteUDA_Timer() { HideUDAIcon(); }

std::wstring Station::SaveFilePath() const { return settings_.SaveFolder + L"\\tklg.ud"; }

void Station::LoadWindowState() {
  const auto position = [](const std::wstring& text) {
    return text.empty() ? 0 : RoundToInt32(WholeNumber(text));
  };
  WindowTop = position(ini_.GetIniValue(L"window", L"top"));
  WindowLeft = position(ini_.GetIniValue(L"window", L"left"));
  WindowShown = FlagRule1(ini_.GetIniValue(L"visible", L"window"));
  TrayShown = FlagRule0(ini_.GetIniValue(L"visible", L"tasktray"));
  DeleteUDAicon = FlagRule1(ini_.GetIniValue(L"menu", L"deleteUDAicon"));
  windowStateLoaded_ = true;
}

void Station::SaveWindowState() {
  const bool written = ini_.SetIniValue(L"window", L"top", std::to_wstring(WindowTop)) &&
                       ini_.SetIniValue(L"window", L"left", std::to_wstring(WindowLeft)) &&
                       ini_.SetIniValue(L"visible", L"window", menu_.ShowWindow ? L"1" : L"0") &&
                       ini_.SetIniValue(L"visible", L"tasktray", menu_.ShowIcon ? L"1" : L"0");
  OwnWrite(written, L"SaveWindowState", ownWriteFailing_);
}

void Station::ExitVantor() {
  try {
    // A start-up that failed before the window state was read must not overwrite the
    // stored one with what it never loaded.
    if (windowStateLoaded_) SaveWindowState();
    EndUnit();
    RemoveTrayIcon();
  } catch (const std::exception&) {
    ReportError(ErrorText(L"ExitVantor"));
  }
  host_.Quit();
}

void Station::ParseSchedules() {
  // The icon picture: one that is missing or unreadable switches the picture options off.
  picture_.reset();
  if (!settings_.IconPicture.empty() && files_.FileExists(settings_.IconPicture)) {
    try {
      picture_ = icons_.LoadPicture(settings_.IconPicture);
    } catch (const std::exception&) {
      picture_.reset();  // a picture too large or malformed to read fails like any other
    }
  }
  if (!picture_) {
    settings_.IconBack = false;
    settings_.IconGraph = false;
    settings_.IconPicture.clear();
  }
  AlarmPercents = ParseSchedule(settings_.AlarmSchedule);
  CPUPercents = ParseSchedule(settings_.CpuSchedule);
  MOLPercents = ParseSchedule(settings_.MolSchedule);
}


}  // namespace vantor
