#include "station/core/Station.h"

#include "common/core/Convert.h"
#include "common/core/OsKind.h"

#include <stdexcept>

namespace vantor {

Station::Station(const StationPorts& ports)
    : windows_(ports.windows),
      clock_(ports.clock),
      files_(ports.files),
      host_(ports.host),
      iconWindow_(ports.iconWindow),
      tray_(ports.tray),
      iconFile_(ports.iconFile),
      pictures_(ports.pictures),
      processes_(ports.processes),
      linkFiles_(ports.links),
      priorities_(ports.priorities),
      ini_(ports.profile, ports.programFolder),
      reports_(ports.host, ports.files, ports.programFolder, ports.unwritableFolderText),
      gauge_(ports.windows),
      places_(ports.iconWindow, ini_, reports_),
      notifications_(ports.sound, ports.clock, ports.files, settings_, reports_),
      capturer_({ports.windows, ports.input, ports.screen, ports.host, ports.clock}, gauge_, settings_),
      units_(ports.history, ports.clock, ini_, settings_, reports_, ports.unitTexts) {}

void Station::Form_Load() {
  // What goes wrong during start-up is told once the progress shows and the ticks run: a
  // message never holds up the tray icon or the icon window.
  reports_.HoldReports();
  OnScalingChanged();  // the tray's size for the first icon, however start-up ends
  try {
    StartupDone = false;
    LoadSettings();
    units_.LoadWaitingRows();
    const std::int16_t kind = host_.GetOSKind();
    OldShell = (kind == kOsNtBefore5 || kind == kOsNt5OrLater) ? 0 : 1;
    iconWindow_.SetWindowTop(1);
    iconWindow_.SizeAndHide();
    VantorIniStamp.Prime(files_, ini_.Path(kVantorIni));
    const std::wstring priorityIni = ini_.Path(kPriorityIni);
    // A delete counts once the file is gone: on a read-only share some systems report success.
    if (files_.FileExists(priorityIni) && !(files_.DeleteFile(priorityIni) && !files_.FileExists(priorityIni))) {
      // In a folder that takes no file, the one message tells it; the file left there by an
      // earlier run switches no fixing on in this one.
      if (!reports_.TellUnwritableFolder()) throw std::runtime_error("priority.ini stays");
      leftPriorityIni_ = files_.FileTime(priorityIni);
    }
    LinksStamp.Prime(files_, ini_.Path(kLinksLst));
    notifications_.PrimeSaveWatch();
    petitLink();
    ChangeIcon();
    places_.LoadWindowState();
    ApplyDisplayMode();
    StartupDone = true;
  } catch (const std::exception&) {
    reports_.ReportError(L"Vantor起動中にエラーが発生しました。");
    // The tray icon or the icon window, and with it the menu, are there all the same: with
    // what was loaded and the defaults for the rest.
    try {
      ApplyDisplayMode();
    } catch (const std::exception&) {
    }
  }
  host_.EnableTimer(StationTimer::Main, true);
  reports_.ShowHeldReports();
}

void Station::timMain_Timer() {
  CheckVTRiniTimeStamp();
  CheckLinkListTimeStamp();
  CheckSaveTimeStamp();
  CheckPriorityFile();
  alarm_ = settings_.SoundProgress && settings_.SoundOnce;
  ShowGauge(gauge_.Measure(BackinThreshold()));
  if (units_.Tick(gauge_.Form() != 0, gauge_.Percent())) RefreshTooltip();
}

void Station::ShowGauge(GaugeChange change) {
  switch (change) {
    case GaugeChange::AgentGone:
    case GaugeChange::BlinkOff:
      ChangeIcon();
      break;
    case GaugeChange::BlinkOn:
      ChangeIconBackin();
      break;
    case GaugeChange::Percent:
      ChangeIcon();
      notifications_.CheckAlarm(gauge_.Percent());
      capturer_.CheckCapture();
      break;
    case GaugeChange::None:
      break;
  }
}

void Station::CheckSaveTimeStamp() {
  if (!notifications_.CheckSaveTimeStamp()) return;
  gauge_.EndBackingOff();
  ChangeIcon();
}

void Station::LoadSettings() {
  vantor::LoadSettings(ini_, settings_, SettingsReader::Vantor);
  LoadIconPicture();
  notifications_.ParseSchedule();
  capturer_.ParseSchedules();
}

void Station::CheckVTRiniTimeStamp() {
  if (!reports_.StampChanged(VantorIniStamp, ini_.Path(kVantorIni), vantorIniCheck_, L"CheckVTRiniTimeStamp")) return;
  try {
    petitLink();
  } catch (const std::exception&) {
    reports_.ReportError(ErrorText(L"CheckVTRiniTimeStamp"));
  }
}

void Station::CheckLinkListTimeStamp() {
  if (!reports_.StampChanged(LinksStamp, ini_.Path(kLinksLst), linksCheck_, L"CheckLinkListTimeStamp")) return;
  try {
    // The editor writes links.lst last: a tick between its two writes rebuilt the bookmarks
    // from the old file, so they are rebuilt here too and always match the file.
    petitLink();
    LoadSettings();
    ChangeIcon();
  } catch (const std::exception&) {
    reports_.ReportError(ErrorText(L"CheckLinkListTimeStamp"));
  }
}

void Station::CheckPriorityFile() {
  const std::wstring path = ini_.Path(kPriorityIni);
  if (leftPriorityIni_ && files_.FileTime(path) == *leftPriorityIni_) return;  // the one start-up could not delete
  leftPriorityIni_.reset();
  if (files_.FileExists(path)) host_.EnableTimer(StationTimer::Priority, true);
}

void Station::timDeleteUDA_Timer() { HideUDAIcon(); }

void Station::ExitVantor() {
  try {
    // A start-up that failed before the window state was read must not overwrite the
    // stored one with what it never loaded.
    if (places_.StateLoaded()) places_.SaveWindowState();
    units_.EndUnit();
    SysTrayIcon(L"", NotifyMode::Delete);
  } catch (const std::exception&) {
    reports_.ReportError(ErrorText(L"ExitVantor"));
  }
  host_.Quit();
}

void Station::LoadIconPicture() {
  // One that is missing or unreadable switches the picture options off.
  picture_.reset();
  if (!settings_.IconPicture.empty() && files_.FileExists(settings_.IconPicture)) {
    try {
      picture_ = pictures_.LoadPicture(settings_.IconPicture);
    } catch (const std::exception&) {
      picture_.reset();  // a picture too large or malformed to read fails like any other
    }
  }
  if (!picture_) {
    settings_.IconBack = false;
    settings_.IconGraph = false;
    settings_.IconPicture.clear();
  }
}


}  // namespace vantor
