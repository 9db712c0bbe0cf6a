// Where the icon is shown (tray and/or icon window), the mouse on both, mute and alarm.
#include "station/core/Station.h"

namespace vantor {

void Station::AddTrayIcon() { SysTrayIcon(PlainTooltipText(), NotifyMode::Add); }

void Station::ApplyDisplayMode() {
  host_.MoveWindowTo(WindowLeft, WindowTop);
  menu_.ShowWindow = WindowShown;
  host_.ShowWindow(WindowShown);
  GetTaskName();
  menu_.ShowIcon = TrayShown;
  if (TrayShown) {
    AddTrayIcon();
    ChangeIcon();
  }
  if (!WindowShown && !TrayShown) {
    // Nothing would be visible: the tray icon is shown all the same.
    menu_.ShowWindowEnabled = false;
    menu_.ShowIcon = true;
    AddTrayIcon();
    ChangeIcon();
  }
  if (DeleteUDAicon) {
    HideUDAIcon();
    menu_.UDAHideAlways = true;
    host_.EnableTimer(StationTimer::DeleteUDA, true);
  }
}

void Station::ShowIconWindow() {
  try {
    GetTaskName();
    if (menu_.ShowWindow) {
      host_.ShowWindow(false);
      WindowShown = false;
      menu_.ShowWindow = false;
      if (!menu_.ShowIcon) {
        AddTrayIcon();
        TrayShown = true;
        menu_.ShowIcon = true;
      }
    } else {
      host_.ShowWindow(true);
      WindowShown = true;
      menu_.ShowWindow = true;
    }
    SaveWindowState();
  } catch (const std::exception&) {
    ReportError(ErrorText(L"ShowIconWindow"));
  }
}

void Station::ShowIconTaskTray() {
  try {
    GetTaskName();
    if (menu_.ShowIcon) {
      SysTrayIcon(PlainTooltipText(), NotifyMode::Delete);
      TrayShown = false;
      menu_.ShowIcon = false;
      if (!menu_.ShowWindow) {
        host_.ShowWindow(true);
        WindowShown = true;
        menu_.ShowWindow = true;
      }
    } else {
      AddTrayIcon();
      TrayShown = true;
      menu_.ShowIcon = true;
    }
    SaveWindowState();
  } catch (const std::exception&) {
    ReportError(ErrorText(L"ErrShowIconTaskTray"));
  }
}

void Station::EndBackingOff() {
  if (!Backin) return;
  Backin = false;
  ZeroTicks = 0;
  ChangeIcon();
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
      host_.ShowPopupMenu(true);
      break;
    default:
      break;
  }
}

void Station::picPercent_MouseDown(int button) {
  if (button & kLeftButton) {
    host_.DragWindow();
    SaveWindowState();
  } else if (button & kRightButton) {
    host_.ShowPopupMenu(false);
  }
}

void Station::picPercent_MouseUp() { EndBackingOff(); }

void Station::SetMute() { menu_.Mute = !menu_.Mute; }

void Station::SetAlarm(bool settin) {
  settings_.SoundProgress = settin;
  settings_.SoundOnce = settin;
}

void Station::OnTaskbarCreated() {
  if (!menu_.ShowIcon) return;
  NotifyRecord record = TrayRecord(TooltipText());
  record.flags &= ~kNifInfo;  // coming back after a shell restart is no news
  icons_.NotifyIcon(NotifyMode::Add, record);
}

}  // namespace vantor
