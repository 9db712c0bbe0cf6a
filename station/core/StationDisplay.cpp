// Where the icon is shown (tray and/or icon window), the mouse on both, and the menu's alarm.
#include "station/core/Station.h"

#include "station/core/ScopedFlag.h"

namespace vantor {

void Station::ApplyDisplayMode() {
  places_.ShowStoredWindow();
  GetTaskName();
  if (places_.ShowStoredTray()) {
    AddTrayIcon();
    ChangeIcon();
  }
  if (places_.HidesAgentIcon()) {
    HideUDAIcon();
    UDAHideAlways = true;
    host_.EnableTimer(StationTimer::DeleteUDA, true);
  }
}

void Station::ShowIconWindow() {
  try {
    GetTaskName();
    if (places_.ToggleWindow()) AddTrayIcon();
    places_.SaveWindowState();
  } catch (const std::exception&) {
    reports_.ReportError(ErrorText(L"ShowIconWindow"));
  }
}

void Station::ShowIconTaskTray() {
  try {
    GetTaskName();
    SysTrayIcon(PlainTooltipText(), places_.ToggleTray() ? NotifyMode::Add : NotifyMode::Delete);
    places_.SaveWindowState();
  } catch (const std::exception&) {
    reports_.ReportError(ErrorText(L"ErrShowIconTaskTray"));
  }
}

void Station::EndBackingOff() {
  if (gauge_.EndBackingOff()) ChangeIcon();
}

void Station::picIcon_MouseMove(int trayMessage) {
  switch (trayMessage) {
    case kTrayLeftDown:
      EndBackingOff();
      break;
    case kTrayDoubleClick:
      if (settings_.DblClick == 1) {
        ShowUDAWindow();
      } else {
        ShowSetting();
      }
      break;
    case kTrayRightDown:
      OpenPopupMenu(true);
      break;
    default:
      break;
  }
}

void Station::picPercent_MouseDown(int button) {
  if (button & kLeftButton) {
    places_.Drag();
  } else if (button & kRightButton) {
    OpenPopupMenu(false);
  }
}

void Station::OpenPopupMenu(bool fromTray) {
  if (menuOpen_) return;  // a click inside the open menu's loop opens no second one
  ScopedFlag open(menuOpen_);
  host_.ShowPopupMenu(fromTray);
}

void Station::picPercent_MouseUp() { EndBackingOff(); }

MenuState Station::Menu() const {
  return {alarm_,
          places_.WindowChecked(),
          places_.WindowSwitchEnabled(),
          places_.TrayChecked(),
          notifications_.Muted(),
          UDAHideAlways};
}

void Station::SetAlarm(bool settin) {
  settings_.SoundProgress = settin;
  settings_.SoundOnce = settin;
}

void Station::mnuAlarm_Click() {
  alarm_ = !alarm_;
  SetAlarm(alarm_);
}

void Station::OnDisplayChange() {
  places_.OnDisplayChange();
  OnScalingChanged();
}

void Station::OnTaskbarCreated() {
  OnScalingChanged();  // the new taskbar may sit on a monitor of another scaling
  if (!places_.TrayChecked()) return;
  tray_.NotifyIcon(NotifyMode::Add, QuietTrayRecord());  // coming back after a shell restart is no news
}

}  // namespace vantor
