// frmStation: the resident monitor. It coordinates its parts (the reports, the agent's gauge,
// the places of the icon, the notifications, the captures and the record of the units) at
// start-up, at each tick, at exit and at the menu's commands, and composes the icon. The Win32
// host creates the hidden station window and its timers and forwards their events here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/core/Canvas.h"
#include "common/core/Clock.h"
#include "common/core/IniFile.h"
#include "common/core/Links.h"
#include "common/core/PicturePort.h"
#include "common/core/Ports.h"
#include "common/core/Priority.h"
#include "common/core/ProcessPort.h"
#include "common/core/Settings.h"
#include "common/core/Sound.h"
#include "station/core/AgentGauge.h"
#include "station/core/Capturer.h"
#include "station/core/ChangeStamp.h"
#include "station/core/IconFilePort.h"
#include "station/core/IconPlaces.h"
#include "station/core/IconWindowPort.h"
#include "station/core/Notifications.h"
#include "station/core/Reports.h"
#include "station/core/StationHost.h"
#include "station/core/TrayPort.h"
#include "station/core/UnitLog.h"
#include "station/core/WindowPort.h"

namespace vantor {

struct StationPorts {
  WindowPort& windows;  // the agent's windows
  InputPort& input;
  ScreenCopyPort& screen;
  ClockPort& clock;
  TrayPort& tray;
  IconFilePort& iconFile;
  PicturePort& pictures;
  FilePort& files;
  ProfilePort& profile;
  StationHost& host;
  IconWindowPort& iconWindow;
  ProcessPort& processes;
  SoundPort& sound;
  LinkFilePort& links;
  PriorityPort& priorities;
  std::wstring programFolder;
  // The message for a program folder in which nothing can be written, naming the folder.
  std::wstring unwritableFolderText = {};
  // The record of the units; without it there is neither a record nor a time left.
  HistoryFilePort* history = nullptr;
  UnitLogTexts unitTexts = {};
};

// Check marks and states of the pop-up menu's entries; the menu shows them when it opens.
struct MenuState {
  bool Alarm = false;              // mnuAlarm
  bool ShowWindow = false;         // mnuShowWindow
  bool ShowWindowEnabled = true;   // mnuShowWindow is disabled when both places were hidden
  bool ShowIcon = false;           // mnuShowIcon
  bool Mute = false;               // mnuMute
  bool UDAHideAlways = false;      // mnuUDAHidaAlw
};

// Mouse messages as the tray reports them.
inline constexpr int kTrayLeftDown = 513, kTrayDoubleClick = 515, kTrayRightDown = 516;
// Button bits of the icon window's mouse events.
inline constexpr int kLeftButton = 1, kRightButton = 2;

class Station {
 public:
  explicit Station(const StationPorts& ports);
  Station(const Station&) = delete;
  Station& operator=(const Station&) = delete;

  // Start-up after the single-instance test passed (steps 2 to 15); then the sampling timer
  // runs, and what went wrong is told.
  void Form_Load();
  // One sampling tick of timMain.
  void timMain_Timer();
  void timPriority_Timer();
  void timDeleteUDA_Timer();
  // Saves the window state, removes the tray icon and ends the program.
  void ExitVantor();
  // Windows ends the session (log-off, shut-down) and this process with it: the running unit
  // gets its row, and rows that still wait are kept for the next start, as at an exit.
  void OnSessionEnd() { units_.EndUnit(); }

  // The icon (StationIcon.cpp): drawn, written to temp.ico, published with its tooltip.
  void ChangeIcon();
  void ChangeIconBackin();
  void SysTrayIcon(const std::wstring& tip, NotifyMode mode);
  NotifyRecord TrayRecord(const std::wstring& tip) const;
  // The record without a balloon: what the tray is told when no progress is news.
  NotifyRecord QuietTrayRecord(const std::wstring& tip) const;
  NotifyRecord QuietTrayRecord() const { return QuietTrayRecord(TooltipText()); }
  std::wstring TooltipText() const;
  std::wstring PlainTooltipText() const;

  // Display mode, mouse and the two menu toggles (StationDisplay.cpp).
  void ShowIconWindow();
  void ShowIconTaskTray();
  // Named after the icon window's mouse event that the tray's callback once came as; it
  // handles the tray icon's clicks.
  void picIcon_MouseMove(int trayMessage);
  void picPercent_MouseDown(int button);
  void picPercent_MouseUp();
  void SetMute() { notifications_.SetMute(); }
  void SetAlarm(bool settin);
  // The shell restarted: the tray icon is added again.
  void OnTaskbarCreated();
  // The monitors changed: the icon window comes back onto one of them, and the faces follow
  // the sizes the displays now ask for.
  void OnDisplayChange();
  // The display scaling may have changed (a setting, a monitor, the window's own DPI): the
  // tray's icon size is read again, and a face whose size changed is drawn again.
  void OnScalingChanged();

  // Captures: one now, for the menu, whatever the schedules say.
  void CCaptureCPU() { capturer_.CCaptureCPU(); }
  void CCaptureMOL() { capturer_.CCaptureMOL(); }

  // Bookmarks and launching (StationLinks.cpp).
  void petitLink();
  // Opens bookmark `index` of the list the menu showed (MenuLinks), or of the current list
  // when no menu was built since the last bookmark was opened.
  void JumptoURL(std::int16_t index);
  void ShowSetting();
  const LinkList& Links() const { return links_; }
  // The bookmarks for a menu that opens now: a copy of the current list, which JumptoURL
  // keeps using even when a tick reloads the list while the menu is open.
  const LinkList& MenuLinks();

  // The agent's window and its own tray icon (StationAgent.cpp).
  void ShowUDAWindow();
  void UDTrayIcon(NotifyMode mode);
  void ShowUDAIcon() { UDTrayIcon(NotifyMode::Add); }
  void HideUDAIcon() { UDTrayIcon(NotifyMode::Delete); }
  void AlwaysHideUDAIcon();
  // "アラーム予約" clicked: its check mark flips and both alarm flags follow it.
  void mnuAlarm_Click();

  const MainSettings& Settings() const { return settings_; }
  MenuState Menu() const;
  const std::optional<Picture>& IconPicture() const { return picture_; }
  // Rows that wait for history.csv, and those dropped because too many waited.
  std::size_t RowsWaiting() const { return units_.RowsWaiting(); }
  std::size_t RowsDropped() const { return units_.RowsDropped(); }

 private:
  // Vantor.ini's settings, the icon's picture they name and the percent schedules.
  void LoadSettings();
  void LoadIconPicture();
  void CheckVTRiniTimeStamp();
  void CheckLinkListTimeStamp();
  void CheckSaveTimeStamp();
  void CheckPriorityFile();
  // What the look at the agent changed: the icon, the sounds, the captures.
  void ShowGauge(GaugeChange change);
  void GetTaskName();
  void ComposeIcon(bool backingOff);
  // The icon window's face and the tray's published icon, each at its own size; `small` is
  // the 16-pixel face, reused where a size is 16.
  void ShowFaces(const Canvas& small);
  Canvas DrawFace(int size) const;
  void iconWrite(const IcoBytes& bytes);
  void EndBackingOff();
  void AddTrayIcon() { SysTrayIcon(PlainTooltipText(), NotifyMode::Add); }
  void ApplyDisplayMode();
  void OpenPopupMenu(bool fromTray);
  // The count-down of the time left, once a minute between changes: the tooltip alone.
  void RefreshTooltip();
  std::int32_t BackinThreshold() const { return std::int32_t{settings_.Bakkin} * 60; }

  WindowPort& windows_;
  ClockPort& clock_;
  FilePort& files_;
  StationHost& host_;
  IconWindowPort& iconWindow_;
  TrayPort& tray_;
  IconFilePort& iconFile_;
  PicturePort& pictures_;
  ProcessPort& processes_;
  LinkFilePort& linkFiles_;
  PriorityPort& priorities_;
  IniFile ini_;
  MainSettings settings_;
  Reports reports_;
  AgentGauge gauge_;
  IconPlaces places_;
  Notifications notifications_;
  Capturer capturer_;
  UnitLog units_;

  bool StartupDone = false;
  std::int16_t OldShell = 0;
  std::wstring TaskName;
  bool alarm_ = false;          // mnuAlarm
  bool UDAHideAlways = false;   // mnuUDAHidaAlw
  bool menuOpen_ = false;
  std::optional<Picture> picture_;
  FailOnce iconWrite_;
  // The faces last shown: the backing-off variant or not, the tray's size as last read (the
  // size its face has), and the icon window's (0: no face shown yet).
  bool backingOffFace_ = false;
  int trayIconSize_ = kIconSize;
  int shownWindowSize_ = 0;
  // Change detection of the two settings files.
  ChangeStamp VantorIniStamp;
  ChangeStamp LinksStamp;
  FailOnce vantorIniCheck_;
  FailOnce linksCheck_;
  std::optional<FileStamp> leftPriorityIni_;  // the time of a priority.ini that start-up could not delete
  // The texts of the last enforcement that failed: the same failure is reported once.
  std::optional<PriorityTexts> failedPriority_;
  LinkList links_;
  bool linksReadWhole_ = false;        // links_ came from a read of the whole file
  std::optional<LinkList> menuLinks_;  // the list the last menu showed
};

}  // namespace vantor
