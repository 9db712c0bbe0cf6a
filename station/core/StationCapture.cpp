// Captures of the agent's two views into PNG files, and minimising the agent afterwards.
#include <algorithm>
#include <cwchar>

#include "common/core/AgentGeometry.h"
#include "station/core/ScopedFlag.h"
#include "station/core/Station.h"

namespace vantor {
namespace {

// The agent's fixed geometry once its window sits at the screen origin.
constexpr int kCaptureWidth = kAgentWidth, kCaptureHeight = kAgentHeight;
constexpr ScreenPoint kOrigin{0, 0};
constexpr ScreenPoint kApplicationTab{615, 490};
constexpr ScreenPoint kMainTab{582, 492};
constexpr ScreenPoint kMinimizeButton{740, 492};

int Scaled(int pixels, int physical, int told) {
  return physical > 0 && told > 0 ? static_cast<int>((std::int64_t{pixels} * physical + told / 2) / told) : pixels;
}

}  // namespace

ScreenRect CaptureArea(const std::optional<ScreenRect>& window, const ScreenResolution& screen, int width, int height) {
  if (window && window->Width() > 0 && window->Height() > 0) return *window;
  return {0, 0, Scaled(width, screen.physicalWidth, screen.toldWidth), Scaled(height, screen.physicalHeight, screen.toldHeight)};
}

void Station::CopyAgent(WindowHandle agent) {
  capture_.CopyScreen(CaptureArea(capture_.WindowPixels(agent), capture_.Resolution(), kCaptureWidth, kCaptureHeight));
}

std::wstring CaptureFileName(const std::wstring& folder, const LocalTime& t, std::int16_t percent,
                             const wchar_t* kind) {
  wchar_t stamp[64];
  std::swprintf(stamp, 64, L"%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return folder + stamp + L"-" + std::to_wstring(percent) + kind + L".png";
}

void Station::CheckCapture() {
  if (settings_.CaptureCpu) {
    for (int n = ScheduleCount(CPUPercents, Percent); n > 0; --n) {
      CaptureCPUTime(UDformhwnd, UDformhwndMol, settings_.CaptureFolder);
    }
  }
  if (settings_.CaptureMol) {
    for (int n = ScheduleCount(MOLPercents, Percent); n > 0; --n) {
      CaptureApplication(UDformhwnd, UDformhwndMol, settings_.CaptureFolder);
    }
  }
}

void Station::CCaptureCPU() { CaptureCPUTime(UDformhwnd, UDformhwndMol, settings_.CaptureFolder); }
void Station::CCaptureMOL() { CaptureApplication(UDformhwnd, UDformhwndMol, settings_.CaptureFolder); }

WindowHandle Station::AgentOwned(WindowHandle window) {
  if (window == 0 || UDProcessID == 0) return 0;
  return windows_.WindowProcessId(window) == UDProcessID ? window : 0;
}

void Station::CaptureCPUTime(WindowHandle agent, WindowHandle second, const std::wstring& folder) {
  // A tick run by the pending events of a capture does not start another one: it would move
  // the agent and overwrite the off-screen picture under the running capture.
  if (capturing_) return;
  ScopedFlag run(capturing_);
  agent = AgentOwned(agent);
  second = AgentOwned(second);
  // An agent that does not answer would neither move nor draw its view: no capture.
  if (agent != 0 && !capture_.Answers(agent)) return;
  SpaceOf space(windows_, agent);  // its place, its size and the clicks in the agent's own pixels
  try {
    capture_.ShowWindow(second, ShowCommand::Hide);
    capture_.ShowWindow(agent, ShowCommand::ShowNormal);
    capture_.SetWindowPos(agent, true, kOrigin);
    Wait(settings_.Capture_Delay_CPU);
    CopyAgent(agent);
    capture_.SetWindowPos(agent, false, kOrigin);
    MinimizeAgent(agent);
    SaveCapture(folder, L"-CPU");
  } catch (const std::exception&) {
  }
}

void Station::CaptureApplication(WindowHandle agent, WindowHandle second, const std::wstring& folder) {
  if (capturing_) return;
  ScopedFlag run(capturing_);
  agent = AgentOwned(agent);
  second = AgentOwned(second);
  if (agent != 0 && !capture_.Answers(agent)) return;
  SpaceOf space(windows_, agent);  // its place, its size and the clicks in the agent's own pixels
  try {
    const std::int16_t delay = settings_.Capture_Delay_MOL;
    capture_.ShowWindow(second, ShowCommand::Hide);
    capture_.ShowWindow(agent, ShowCommand::ShowNormal);
    capture_.SetWindowPos(agent, true, kOrigin);
    PseudoClick(agent, kApplicationTab);
    Wait(delay);
    capture_.SetWindowPos(agent, true, kOrigin);
    capture_.DoEvents();
    Wait(delay);
    CopyAgent(agent);
    Wait(delay);
    PseudoClick(agent, kMainTab);
    capture_.DoEvents();
    Wait(delay);
    capture_.SetWindowPos(agent, false, kOrigin);
    MinimizeAgent(agent);
    SaveCapture(folder, L"-APP");
  } catch (const std::exception&) {
  }
}

void Station::PseudoClick(WindowHandle agent, ScreenPoint point) {
  // The points belong to the agent's window: once it is gone (also in the middle of a
  // capture), nothing else is clicked there.
  if (AgentOwned(agent) == 0) return;
  const ScreenPoint back = capture_.GetCursorPos();
  capture_.SetCursorPos(point);
  capture_.MouseEvent(MouseAction::LeftDown);
  capture_.MouseEvent(MouseAction::LeftUp);
  capture_.SetCursorPos(back);
}

void Station::Wait(std::int16_t milliseconds) { capture_.Sleep(std::max<int>(0, milliseconds)); }

void Station::MinimizeAgent(WindowHandle agent) {
  if (!settings_.Capture_Minimize) return;
  if (settings_.Capture_MinimizeMethod == 0) {
    PseudoClick(agent, kMinimizeButton);
  } else if (AgentOwned(agent) != 0) {
    capture_.ShowWindow(agent, ShowCommand::Minimize);
    capture_.ShowWindow(agent, ShowCommand::Hide);
  }
}

void Station::SaveCapture(const std::wstring& folder, const wchar_t* kind) {
  // Date and time are taken now, after the copy and the minimise step. A file that cannot be
  // written ends the capture and changes nothing else.
  capture_.SavePicture(CaptureFileName(folder, capture_.Now(), Percent, kind));
  capture_.ClearPicture();
}

}  // namespace vantor
