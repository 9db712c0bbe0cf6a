// The agent's own window and tray icon, as the menu and the double-click act on them.
#include "common/core/AgentGeometry.h"
#include "station/core/Station.h"

namespace vantor {

void Station::ShowUDAWindow() {
  // RestoreAgentWindow: the second window goes, the main form comes back at its full size.
  // Handles that no longer name the agent's windows are left alone.
  const WindowHandle second = gauge_.AgentOwned(gauge_.SecondWindow());
  const WindowHandle agent = gauge_.AgentOwned(gauge_.Form());
  if (second != 0) windows_.ShowWindow(second, ShowCommand::Hide);
  if (agent == 0) return;
  SpaceOf space(windows_, agent);
  windows_.ShowWindow(agent, ShowCommand::ShowNormal);
  windows_.SizeWindow(agent, kAgentWidth, kAgentHeight);
}

void Station::UDTrayIcon(NotifyMode mode) {
  // The agent registered its icon for its main form with id 1 and, being the kind of program
  // it is, the mouse-move message as callback; the record names that form and no icon.
  if (gauge_.AgentOwned(gauge_.Form()) == 0) return;  // no agent: nothing to act on
  NotifyRecord record;
  record.window = gauge_.Form();
  record.withIcon = false;
  tray_.NotifyIcon(mode, record);
}

void Station::AlwaysHideUDAIcon() {
  if (UDAHideAlways) {
    host_.EnableTimer(StationTimer::DeleteUDA, false);
    UDTrayIcon(NotifyMode::Add);
    UDAHideAlways = false;
    reports_.OwnIniWrite(ini_.SetIniValue(L"menu", L"deleteUDAicon", L"0"), L"AlwaysHideUDAIcon");
  } else {
    UDTrayIcon(NotifyMode::Delete);
    host_.EnableTimer(StationTimer::DeleteUDA, true);
    UDAHideAlways = true;
    reports_.OwnIniWrite(ini_.SetIniValue(L"menu", L"deleteUDAicon", L"1"), L"AlwaysHideUDAIcon");
  }
}

}  // namespace vantor
