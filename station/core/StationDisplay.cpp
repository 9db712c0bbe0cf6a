// Where the icon is shown (tray and/or icon window), the mouse on both, mute and alarm.
#include "station/core/Station.h"

#include "station/core/ScopedFlag.h"

namespace vantor {

void Station::AddTrayIcon() { SysTrayIcon(PlainTooltipText(), NotifyMode::Add); }

void Station::PlaceIconWindow(bool show) {
  const WindowPlace stored = ScreenFromStored({WindowLeft, WindowTop}, host_.ScreenDpi());
  const WindowPlace place = ReachablePlace(stored, host_.WindowWidth(), host_.WindowHeight(), host_.Monitors());
  host_.MoveWindowTo(place.left, place.top);
  if (show) host_.ShowWindow(true);
}

void Station::OnDisplayChange() { PlaceIconWindow(); }

void Station::ApplyDisplayMode() {
  PlaceIconWindow();
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
      PlaceIconWindow(true);
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
        PlaceIconWindow(true);
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
      OpenPopupMenu(true);
      break;
    default:
      break;
  }
}

void Station::picPercent_MouseDown(int button) {
  if (button & kLeftButton) {
    const WindowPlace before{host_.WindowLeft(), host_.WindowTop()};
    host_.DragWindow();
    // Only a move is stored: a click keeps the stored place even where the window was
    // brought onto the screen from somewhere else.
    const WindowPlace after{host_.WindowLeft(), host_.WindowTop()};
    if (after != before) {
      const WindowPlace stored = StoredFromScreen(after, host_.ScreenDpi());
      WindowLeft = stored.left;
      WindowTop = stored.top;
    }
    SaveWindowState();
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

void Station::SetMute() { menu_.Mute = !menu_.Mute; }

void Station::SetAlarm(bool settin) {
  settings_.SoundProgress = settin;
  settings_.SoundOnce = settin;
}

void Station::OnTaskbarCreated() {
  if (!menu_.ShowIcon) return;
  NotifyRecord record = TrayRecord(TooltipText());
  record.flags &= ~(kNifInfo | kNifRealtime);  // coming back after a shell restart is no news
  icons_.NotifyIcon(NotifyMode::Add, record);
}

}  // namespace vantor
