// Where the icon shows: the tray and/or the icon window, as the menu switches them and as
// Vantor.ini keeps them; the icon window's stored place, which only a drag changes.
#pragma once

#include <cstdint>

#include "common/core/IniFile.h"
#include "station/core/Reports.h"
#include "station/core/IconWindowPort.h"

namespace vantor {

class IconPlaces {
 public:
  IconPlaces(IconWindowPort& window, IniFile& ini, Reports& reports) : window_(window), ini_(ini), reports_(reports) {}
  IconPlaces(const IconPlaces&) = delete;
  IconPlaces& operator=(const IconPlaces&) = delete;

  void LoadWindowState();
  // Writes the window state; a write that fails is reported once.
  void SaveWindowState();
  // Whether the state was read: a start-up that failed before must not overwrite it at exit.
  bool StateLoaded() const { return loaded_; }

  // Start-up: the icon window at its place, shown as stored. Then whether the tray icon is
  // to be added: as stored, or because nothing else would show.
  void ShowStoredWindow();
  bool ShowStoredTray();
  // The menu's switches. The window's: true when the tray icon must be added, so that
  // something still shows. The tray's: true when its icon is to be added, false removed (and
  // the window shows where nothing else would).
  bool ToggleWindow();
  bool ToggleTray();
  // A drag of the icon window with the left button; a move is stored, and the state saved.
  void Drag();
  // The monitors changed: the icon window comes back onto one of them.
  void OnDisplayChange() { PlaceIconWindow(); }

  // The menu's check marks: mnuShowWindow, its enabled state, mnuShowIcon.
  bool WindowChecked() const { return showWindow_; }
  bool WindowSwitchEnabled() const { return showWindowEnabled_; }
  bool TrayChecked() const { return showIcon_; }
  // The agent's own tray icon is kept hidden (menu/deleteUDAicon).
  bool HidesAgentIcon() const { return DeleteUDAicon; }

 private:
  // Moves the icon window to its stored place, or onto the nearest work area where that
  // place cannot be reached; then shows it if `show`.
  void PlaceIconWindow(bool show = false);

  IconWindowPort& window_;
  IniFile& ini_;
  Reports& reports_;
  // The stored place in pixels of 1/96 inch (15 twips) at every scaling (IconWindowPlace
  // converts them to and from the screen's pixels).
  std::int32_t WindowTop = 0;
  std::int32_t WindowLeft = 0;
  bool WindowShown = false;
  bool TrayShown = true;
  bool DeleteUDAicon = false;
  bool showWindow_ = false;         // mnuShowWindow
  bool showWindowEnabled_ = true;   // disabled when both places were stored hidden
  bool showIcon_ = false;           // mnuShowIcon
  bool loaded_ = false;
};

}  // namespace vantor
