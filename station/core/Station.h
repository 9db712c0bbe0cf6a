// frmStation: the resident monitor's whole run-time state and its procedures. The Win32
// host creates the hidden station window and its timers and forwards their events here.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/IniFile.h"
#include "common/core/Ports.h"
#include "common/core/Settings.h"
#include "station/core/ChangeStamp.h"
#include "station/core/StationHost.h"
#include "station/core/WindowPort.h"

namespace vantor {

struct StationPorts {
  WindowPort& windows;
  FilePort& files;
  ProfilePort& profile;
  StationHost& host;
  std::wstring programFolder;
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

class Station {
 public:
  explicit Station(const StationPorts& ports);
  Station(const Station&) = delete;
  Station& operator=(const Station&) = delete;

  // Start-up after the single-instance test passed (steps 2 to 15).
  void Form_Load();
  // One sampling tick of timMain.
  void timMain_Timer();
  void timPriority_Timer();
  void timDeleteUDA_Timer();
  // Saves the window state, removes the tray icon and ends the program.
  void ExitVantor();

  void LoadWindowState();
  void SaveWindowState();

  // Hooks filled by the icon, tray, schedule, capture and bookmark work.
  void ChangeIcon();
  void ChangeIconBackin();

  const MainSettings& Settings() const { return settings_; }
  const MenuState& Menu() const { return menu_; }
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
  // Window state.
  std::int32_t WindowTop = 0;
  std::int32_t WindowLeft = 0;
  bool WindowShown = false;
  bool TrayShown = true;
  bool DeleteUDAicon = false;
  // Change detection.
  ChangeStamp VantorIniStamp;
  ChangeStamp LinksStamp;
  ChangeStamp SaveFileStamp;

 private:
  void LoadSettings();
  void ParseSchedules();
  void CheckVTRiniTimeStamp();
  void CheckLinkListTimeStamp();
  void CheckSaveTimeStamp();
  void CheckPriorityFile();
  void MeasureAgent();
  void petitLink();
  void CheckAlarm();
  void CheckCapture();
  void ApplyDisplayMode();
  void RemoveTrayIcon();
  std::wstring SaveFilePath() const;
  // The common error report. While one report is open (its message box runs a modal loop
  // in which the timers go on), further reports are dropped instead of piling up.
  void ReportError(const std::wstring& text);

  WindowPort& windows_;
  FilePort& files_;
  StationHost& host_;
  IniFile ini_;
  MainSettings settings_;
  MenuState menu_;
  bool reportOpen_ = false;
  bool windowStateLoaded_ = false;
};

// "エラーが-<procedure>-で発生しました。"
std::wstring ErrorText(const std::wstring& procedure);

}  // namespace vantor
