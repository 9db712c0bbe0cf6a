// The two capture sequences, which bring the agent's CPU-time view or its Application view
// to the screen's origin, copy it into a PNG file and minimise the agent again; at the
// percentages their schedules list, and at the menu's command.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/core/Clock.h"
#include "common/core/Schedule.h"
#include "common/core/Settings.h"
#include "station/core/AgentGauge.h"
#include "station/core/InputPort.h"
#include "station/core/ScreenCopyPort.h"
#include "station/core/StationHost.h"

namespace vantor {

struct CapturerPorts {
  WindowPort& windows;
  InputPort& input;
  ScreenCopyPort& screen;
  StationHost& host;  // the wait and the pending events of this thread
  ClockPort& clock;
};

// The capture folder text as a plain prefix, then YYYYMMDDhhmmss, "-", the percentage and
// the kind ("-CPU" or "-APP"), then ".png".
std::wstring CaptureFileName(const std::wstring& folder, const LocalTime& time, std::int16_t percent,
                             const wchar_t* kind);

class Capturer {
 public:
  Capturer(const CapturerPorts& ports, AgentGauge& gauge, const MainSettings& settings)
      : ports_(ports), gauge_(gauge), settings_(settings) {}
  Capturer(const Capturer&) = delete;
  Capturer& operator=(const Capturer&) = delete;

  // The settings were read: the two schedules anew.
  void ParseSchedules();
  // A new percentage: the captures its schedules list, each as often as listed.
  void CheckCapture();
  // One capture now, for the menu, whatever the schedules say.
  void CCaptureCPU() { CaptureCPUTime(gauge_.Form(), gauge_.SecondWindow(), settings_.CaptureFolder); }
  void CCaptureMOL() { CaptureApplication(gauge_.Form(), gauge_.SecondWindow(), settings_.CaptureFolder); }
  // The sequences, on the agent's form `agent` and its second window `second`.
  void CaptureCPUTime(WindowHandle agent, WindowHandle second, const std::wstring& folder);
  void CaptureApplication(WindowHandle agent, WindowHandle second, const std::wstring& folder);

 private:
  // One sequence: the agent's form brought topmost to the origin (its second window hidden),
  // `view` shows and copies its view, then the form goes back, is minimised as set, and the
  // picture is saved as `kind`. Nothing while a sequence runs, or when the agent hangs.
  void Sequence(WindowHandle agent, WindowHandle second, const std::wstring& folder, const wchar_t* kind,
                const std::function<void(WindowHandle)>& view);
  void PseudoClick(WindowHandle agent, ScreenPoint point);
  // Copies the screen's pixels of the agent's window (or of its fixed area at the origin).
  void CopyAgent(WindowHandle agent);
  void Wait(std::int16_t milliseconds);
  void MinimizeAgent(WindowHandle agent);
  void SaveCapture(const std::wstring& folder, const wchar_t* kind);

  CapturerPorts ports_;
  AgentGauge& gauge_;
  const MainSettings& settings_;
  ScheduleTable CPUPercents = EmptySchedule();
  ScheduleTable MOLPercents = EmptySchedule();
  bool capturing_ = false;  // a capture runs; its pending events may run a nested tick
};

}  // namespace vantor
