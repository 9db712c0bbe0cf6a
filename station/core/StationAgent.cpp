// The agent's own window and tray icon, as the menu and the double-click act on them.
#include "common/core/AgentGeometry.h"
#include "station/core/Station.h"

namespace vantor {

void Station::ShowUDAWindow() {
  // RestoreAgentWindow: the second window goes, the main form comes back at its full size.
  // Handles that no longer name the agent's windows are left alone.
  const WindowHandle second = AgentOwned(UDformhwndMol);
  const WindowHandle agent = AgentOwned(UDformhwnd);
  if (second != 0) capture_.ShowWindow(second, ShowCommand::Hide);
  if (agent == 0) return;
  SpaceOf space(windows_, agent);
  capture_.ShowWindow(agent, ShowCommand::ShowNormal);
  capture_.SizeWindow(agent, kAgentWidth, kAgentHeight);
}

void Station::UDTrayIcon(NotifyMode mode) {
  // The agent registered its icon for its main form with id 1 and, being the kind of program
  // it is, the mouse-move message as callback; the record names that form and no icon.
  if (AgentOwned(UDformhwnd) == 0) return;  // no agent: nothing to act on
  NotifyRecord record;
  record.window = UDformhwnd;
  record.withIcon = false;
  icons_.NotifyIcon(mode, record);
}

void Station::ShowUDAIcon() { UDTrayIcon(NotifyMode::Add); }

void Station::HideUDAIcon() { UDTrayIcon(NotifyMode::Delete); }

void Station::AlwaysHideUDAIcon() {
  if (menu_.UDAHideAlways) {
    host_.EnableTimer(StationTimer::DeleteUDA, false);
    UDTrayIcon(NotifyMode::Add);
    menu_.UDAHideAlways = false;
    OwnWrite(ini_.SetIniValue(L"menu", L"deleteUDAicon", L"0"), L"AlwaysHideUDAIcon", ownWriteFailing_);
  } else {
    UDTrayIcon(NotifyMode::Delete);
    host_.EnableTimer(StationTimer::DeleteUDA, true);
    menu_.UDAHideAlways = true;
    OwnWrite(ini_.SetIniValue(L"menu", L"deleteUDAicon", L"1"), L"AlwaysHideUDAIcon", ownWriteFailing_);
  }
}

void Station::mnuAlarm_Click() {
  menu_.Alarm = !menu_.Alarm;
  SetAlarm(menu_.Alarm);
}

}  // namespace vantor
