// The station form: a hidden (or 16 x 16 icon) window that owns the timers and forwards
// their ticks and the window's messages to the station.
#pragma once

#include "common/win/Windows.h"

#include <map>
#include <memory>

#include "common/core/Canvas.h"
#include "common/win/Dpi.h"
#include "common/win/WindowProcedure.h"
#include "station/core/Station.h"
#include "station/core/StationHost.h"
#include "station/win/TrayIcon.h"

namespace vantor {

inline constexpr wchar_t kStationClass[] = L"VantorStation";

// The adapters the station uses besides the station window and its tray icon.
struct StationAdapters {
  WindowPort& windows;
  InputPort& input;
  ScreenCopyPort& screen;
  ClockPort& clock;
  IconFilePort& iconFile;
  PicturePort& pictures;
  FilePort& files;
  ProfilePort& profile;
  ProcessPort& processes;
  SoundPort& sound;
  LinkFilePort& links;
  PriorityPort& priorities;
  std::wstring folder;
  HistoryFilePort* history = nullptr;
};

class StationWindow : public StationHost, public IconWindowPort {
 public:
  StationWindow(HINSTANCE instance, const StationAdapters& adapters);
  StationWindow(const StationWindow&) = delete;
  StationWindow& operator=(const StationWindow&) = delete;
  ~StationWindow() override;

  // Creates the window, runs the station's start-up, then starts the main timer.
  bool Create();
  HWND Handle() const { return hwnd_; }

  // StationHost
  void ShowError(const std::wstring& text) override;
  void EnableTimer(StationTimer timer, bool enabled) override;
  void SetTimerInterval(StationTimer timer, std::int32_t milliseconds) override;
  std::int16_t GetOSKind() override;
  void ShowPopupMenu(bool fromTray) override;
  void ShowMessage(const std::wstring& text) override;
  void ShowStopMessage(const std::wstring& text) override;
  bool ShellOpen(const std::wstring& file) override;
  void Sleep(int milliseconds) override;
  void PumpPending() override;
  void Quit() override;
  // IconWindowPort
  void SetWindowTop(int mode) override;
  void SizeAndHide() override;
  void MoveWindowTo(std::int32_t left, std::int32_t top) override;
  void ShowWindow(bool visible) override;
  std::int32_t WindowLeft() override;
  std::int32_t WindowTop() override;
  std::int32_t WindowWidth() override;
  std::int32_t WindowHeight() override;
  int ScreenDpi() override;
  std::vector<MonitorArea> Monitors() override;
  int FaceSize() override;
  void ShowCanvas(const Canvas& canvas) override;
  void SetIconWindowTip(const std::wstring& text) override;
  void DragWindow() override;

 private:
  RECT WindowRect() const;
  struct TimerState {
    bool enabled = false;
    std::int32_t interval = 1000;
  };

  LRESULT HandleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void OnTimer(UINT_PTR id);
  // Runs the station's work in the process's own DPI awareness (that of the tray's hidden
  // window), whatever the icon window's messages run in; no exception leaves it.
  template <typename F>
  void Run(F&& work) {
    const WindowsOwnDpi own(tray_.Window());
    Guarded(work);
  }
  void Paint();
  void RunMenuCommand(UINT command);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  HWND tooltip_ = nullptr;
  Canvas canvas_;
  TrayIcon tray_;
  std::unique_ptr<Station> station_;
  std::map<StationTimer, TimerState> timers_;
};

}  // namespace vantor
