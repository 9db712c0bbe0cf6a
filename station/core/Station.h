// frmStation: the resident monitor's whole run-time state and its procedures. The Win32
// host creates the hidden station window and its timers and forwards their events here.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "common/core/Canvas.h"
#include "common/core/IniFile.h"
#include "common/core/Links.h"
#include "common/core/Ports.h"
#include "common/core/Priority.h"
#include "common/core/ProcessPort.h"
#include "common/core/Schedule.h"
#include "common/core/Settings.h"
#include "common/core/Sound.h"
#include "station/core/CapturePort.h"
#include "station/core/ChangeStamp.h"
#include "station/core/RecordTexts.h"
#include "station/core/IconPort.h"
#include "station/core/StationHost.h"
#include "station/core/TimeLeft.h"
#include "station/core/UnitRecordPort.h"
#include "station/core/UnitTracker.h"
#include "station/core/WindowPort.h"

namespace vantor {

struct StationPorts {
  WindowPort& windows;
  FilePort& files;
  ProfilePort& profile;
  StationHost& host;
  IconPort& icons;
  ProcessPort& processes;
  std::wstring programFolder;
  SoundPort& sound;
  CapturePort& capture;
  LinkFilePort& links;
  PriorityPort& priorities;
  // The message for a program folder in which nothing can be written, naming the folder.
  std::wstring unwritableFolderText = {};
  // The clock of the time left and the record of the units; without it there is neither.
  UnitRecordPort* record = nullptr;
  TimeLeftTexts timeLeftTexts = {};
  RecordTexts recordTexts = {};
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

  void LoadWindowState();
  // Writes the window state; a write that fails is reported (once, see OwnWrite).
  void SaveWindowState();

  // The icon (StationIcon.cpp).
  void ChangeIcon();
  void ChangeIconBackin();
  void SysTrayIcon(const std::wstring& tip, NotifyMode mode);
  NotifyRecord TrayRecord(const std::wstring& tip) const;
  std::wstring TooltipText() const;
  std::wstring PlainTooltipText() const;
  // The time left and the record of the units (StationUnits.cpp): rows that wait for
  // history.csv, and those dropped because too many waited.
  std::size_t RowsWaiting() const { return historyRows_.size(); }
  std::size_t RowsDropped() const { return historyDropped_; }
  // Windows ends the session (log-off, shut-down) and this process with it: the running unit
  // gets its row, and rows that still wait are kept for the next start, as at an exit.
  void OnSessionEnd() { EndUnit(); }

  // Display mode, mouse and the two menu toggles (StationDisplay.cpp).
  void ShowIconWindow();
  void ShowIconTaskTray();
  void picIcon_MouseMove(int trayMessage);
  void picPercent_MouseDown(int button);
  void picPercent_MouseUp();
  void SetMute();
  void SetAlarm(bool settin);
  // The shell restarted: the tray icon is added again.
  void OnTaskbarCreated();
  // The monitors changed: the icon window comes back onto one of them.
  void OnDisplayChange();

  // Captures (StationCapture.cpp): one capture now, for the menu, whatever the schedules say.
  void CCaptureCPU();
  void CCaptureMOL();
  // The two capture sequences of the agent's CPU-time and Application views.
  void CaptureCPUTime(WindowHandle agent, WindowHandle second, const std::wstring& folder);
  void CaptureApplication(WindowHandle agent, WindowHandle second, const std::wstring& folder);

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
  void ShowUDAIcon();
  void HideUDAIcon();
  void AlwaysHideUDAIcon();
  // "アラーム予約" clicked: its check mark flips and both alarm flags follow it.
  void mnuAlarm_Click();

  const MainSettings& Settings() const { return settings_; }
  const MenuState& Menu() const { return menu_; }
  const std::optional<Picture>& IconPicture() const { return picture_; }
  std::int32_t BackinThreshold() const { return std::int32_t{settings_.Bakkin} * 60; }

  // Station state (the names the rest of the system uses).
  std::uint32_t UDProcessID = 0;
  std::int16_t Percent = 0;
  WindowHandle UDformhwndMol = 0;
  WindowHandle UDformhwnd = 0;
  WindowHandle hwndProgressFrame = 0;
  WindowHandle hwndProgressBar = 0;
  std::int16_t LastPercent = 0;
  bool NoAgentShown = false;
  std::int32_t ZeroTicks = 0;  // wider than the threshold's 16-bit minutes × 60 needs
  bool Backin = false;
  bool BackinBlink = false;
  bool StartupDone = false;
  std::int16_t OldShell = 0;
  std::wstring TaskName;
  // Window state; the stored place, which only a drag changes, in pixels of 1/96 inch (15
  // twips) at every scaling (IconWindowPlace converts them to and from the screen's pixels).
  std::int32_t WindowTop = 0;
  std::int32_t WindowLeft = 0;
  bool WindowShown = false;
  bool TrayShown = true;
  bool DeleteUDAicon = false;
  // Change detection; the save file's times are SaveTime (current) and LastSaveTime.
  ChangeStamp VantorIniStamp;
  ChangeStamp LinksStamp;
  ChangeStamp SaveFileStamp;
  // Percent schedules.
  ScheduleTable AlarmPercents = EmptySchedule();
  ScheduleTable CPUPercents = EmptySchedule();
  ScheduleTable MOLPercents = EmptySchedule();

 private:
  void LoadSettings();
  void ParseSchedules();
  void CheckVTRiniTimeStamp();
  void CheckLinkListTimeStamp();
  void CheckSaveTimeStamp();
  void CheckPriorityFile();
  void MeasureAgent();
  void GetTaskName();
  void ComposeIcon(bool backingOff);
  void iconWrite(const IcoBytes& bytes);
  void EndBackingOff();
  void AddTrayIcon();
  void ApplyDisplayMode();
  // Moves the icon window to its stored place, or onto the nearest work area where that
  // place cannot be reached; then shows it if `show`.
  void PlaceIconWindow(bool show = false);
  void OpenPopupMenu(bool fromTray);
  void RemoveTrayIcon();
  std::wstring SaveFilePath() const;
  void CheckAlarm();
  // No sound now: muted, or within the quiet hours.
  bool Silent();
  void CheckCapture();
  // Steps of the captures (StationCapture.cpp).
  void PseudoClick(WindowHandle agent, ScreenPoint point);
  // Copies the screen's pixels of the agent's window (or of its fixed area at the origin).
  void CopyAgent(WindowHandle agent);
  // The handle while it still names a window of the agent's process; 0 once it names nothing
  // or a window that the system gave to another program.
  WindowHandle AgentOwned(WindowHandle window);
  void Wait(std::int16_t milliseconds);
  void MinimizeAgent(WindowHandle agent);
  void SaveCapture(const std::wstring& folder, const wchar_t* kind);
  // The common error report, one box at a time. While one report is open (its message box
  // runs a modal loop in which the timers go on), a different report waits and is shown after
  // it closes; the open text and a text already waiting are not queued again.
  void ReportError(const std::wstring& text);
  // The outcome of one of Vantor's own writes into its folder (temp.ico, its keys of
  // Vantor.ini) by `procedure`: a failure is reported once, and again only after a write has
  // succeeded in between. Where the folder takes no new file at all, every such write has the
  // one cause, and the report is the one message that names the folder; `failing` keeps the
  // writer's own report of any other failure.
  void OwnWrite(bool written, const wchar_t* procedure, bool& failing);
  // The same with the writer's own message for a failure that is not the folder's.
  void OwnWrite(bool written, const std::wstring& failure, bool& failing);
  // True when the program folder takes no new file; the one message says so, once until a
  // write has worked in a folder that takes files again.
  bool TellUnwritableFolder();
  // The reports held back during start-up, one box at a time.
  void ShowHeldReports();
  // Whether the watched file at `path` changed. A listing that fails is no change and is
  // reported once (by `procedure`), again only after a good check; `failing` remembers it.
  bool StampChanged(ChangeStamp& stamp, const std::wstring& path, bool& failing, const wchar_t* procedure);
  // The units (StationUnits.cpp): a percentage the icon shows, each tick's look at the agent,
  // the once-a-minute tooltip, the rows of history.csv, and Vantor's end.
  void TrackUnit();
  void UnitsTick();
  void EndUnit();
  std::wstring WithTimeLeft(const std::wstring& tip) const;
  void QueueRow(std::optional<HistoryRow> row);
  void WriteHistory();
  // The side file of rows that wait: read back at start-up, ahead of the units of this run.
  void LoadWaitingRows();
  // The side file in line with the rows that wait: written whole, or gone when none waits.
  void KeepWaitingRows();

  WindowPort& windows_;
  FilePort& files_;
  StationHost& host_;
  IconPort& icons_;
  ProcessPort& processes_;
  SoundPort& sound_;
  CapturePort& capture_;
  LinkFilePort& linkFiles_;
  PriorityPort& priorities_;
  IniFile ini_;
  LinkList links_;
  bool linksReadWhole_ = false;    // links_ came from a read of the whole file
  std::optional<LinkList> menuLinks_;  // the list the last menu showed
  // The texts of the last enforcement that failed: the same failure is reported once.
  std::optional<PriorityTexts> failedPriority_;
  MainSettings settings_;
  MenuState menu_;
  std::optional<Picture> picture_;
  bool reportOpen_ = false;
  bool holdingReports_ = false;  // start-up runs: reports wait for its end
  bool menuOpen_ = false;
  std::wstring openReport_;
  std::deque<std::wstring> waitingReports_;
  bool ownWriteFailing_ = false;
  bool vantorIniCheckFailing_ = false;
  bool linksCheckFailing_ = false;
  bool windowStateLoaded_ = false;
  bool iconWriteFailing_ = false;
  std::wstring unwritableFolderText_;
  bool unwritableFolderTold_ = false;
  std::optional<FileStamp> leftPriorityIni_;  // the time of a priority.ini that start-up could not delete
  bool saveWatchFailing_ = false;
  bool capturing_ = false;  // a capture runs; its pending events may run a nested tick
  UnitRecordPort* record_;
  TimeLeftTexts timeLeftTexts_;
  RecordTexts recordTexts_;
  UnitTracker units_;
  std::deque<std::string> historyRows_;  // rows not yet written, oldest first
  std::size_t historyDropped_ = 0;
  bool historyFailing_ = false;
  bool droppedTold_ = false;     // until a row is written again
  bool waitingFileKept_ = false;  // the side file holds rows (some may be written since)
  std::uint64_t tipShown_ = 0;  // when the tooltip was last set
};

// "エラーが-<procedure>-で発生しました。"
std::wstring ErrorText(const std::wstring& procedure);

}  // namespace vantor
