#include "station/core/Capturer.h"

#include <algorithm>
#include <cwchar>

#include "common/core/AgentGeometry.h"
#include "station/core/ScopedFlag.h"

namespace vantor {
namespace {

// The agent's fixed geometry once its window sits at the screen origin.
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

void Capturer::CopyAgent(WindowHandle agent) {
  ports_.screen.CopyScreen(
      CaptureArea(ports_.screen.WindowPixels(agent), ports_.screen.Resolution(), kAgentWidth, kAgentHeight));
}

std::wstring CaptureFileName(const std::wstring& folder, const LocalTime& t, std::int16_t percent,
                             const wchar_t* kind) {
  wchar_t stamp[64];
  std::swprintf(stamp, 64, L"%04d%02d%02d%02d%02d%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
  return folder + stamp + L"-" + std::to_wstring(percent) + kind + L".png";
}

void Capturer::ParseSchedules() {
  CPUPercents = ParseSchedule(settings_.CpuSchedule);
  MOLPercents = ParseSchedule(settings_.MolSchedule);
}

void Capturer::CheckCapture() {
  const std::int16_t percent = gauge_.Percent();
  if (settings_.CaptureCpu) {
    for (int n = ScheduleCount(CPUPercents, percent); n > 0; --n) CCaptureCPU();
  }
  if (settings_.CaptureMol) {
    for (int n = ScheduleCount(MOLPercents, percent); n > 0; --n) CCaptureMOL();
  }
}

void Capturer::Sequence(WindowHandle agent, WindowHandle second, const std::wstring& folder, const wchar_t* kind,
                        const std::function<void(WindowHandle)>& view) {
  // A tick run by the pending events of a capture does not start another one: it would move
  // the agent and overwrite the off-screen picture under the running capture.
  if (capturing_) return;
  ScopedFlag run(capturing_);
  agent = gauge_.AgentOwned(agent);
  second = gauge_.AgentOwned(second);
  // An agent that does not answer would neither move nor draw its view: no capture.
  if (agent != 0 && !ports_.windows.Answers(agent)) return;
  SpaceOf space(ports_.windows, agent);  // its place, its size and the clicks in the agent's own pixels
  try {
    ports_.windows.ShowWindow(second, ShowCommand::Hide);
    ports_.windows.ShowWindow(agent, ShowCommand::ShowNormal);
    ports_.windows.SetWindowPos(agent, true, kOrigin);
    view(agent);
    ports_.windows.SetWindowPos(agent, false, kOrigin);
    MinimizeAgent(agent);
    SaveCapture(folder, kind);
  } catch (const std::exception&) {
  }
}

void Capturer::CaptureCPUTime(WindowHandle agent, WindowHandle second, const std::wstring& folder) {
  Sequence(agent, second, folder, L"-CPU", [&](WindowHandle shown) {
    Wait(settings_.Capture_Delay_CPU);
    CopyAgent(shown);
  });
}

void Capturer::CaptureApplication(WindowHandle agent, WindowHandle second, const std::wstring& folder) {
  Sequence(agent, second, folder, L"-APP", [&](WindowHandle shown) {
    const std::int16_t delay = settings_.Capture_Delay_MOL;
    PseudoClick(shown, kApplicationTab);
    Wait(delay);
    ports_.windows.SetWindowPos(shown, true, kOrigin);
    ports_.host.PumpPending();
    Wait(delay);
    CopyAgent(shown);
    Wait(delay);
    PseudoClick(shown, kMainTab);
    ports_.host.PumpPending();
    Wait(delay);
  });
}

void Capturer::PseudoClick(WindowHandle agent, ScreenPoint point) {
  // The points belong to the agent's window: once it is gone (also in the middle of a
  // capture), nothing else is clicked there.
  if (gauge_.AgentOwned(agent) == 0) return;
  const ScreenPoint back = ports_.input.GetCursorPos();
  ports_.input.SetCursorPos(point);
  ports_.input.MouseEvent(MouseAction::LeftDown);
  ports_.input.MouseEvent(MouseAction::LeftUp);
  ports_.input.SetCursorPos(back);
}

void Capturer::Wait(std::int16_t milliseconds) { ports_.host.Sleep(std::max<int>(0, milliseconds)); }

void Capturer::MinimizeAgent(WindowHandle agent) {
  if (!settings_.Capture_Minimize) return;
  if (settings_.Capture_MinimizeMethod == 0) {
    PseudoClick(agent, kMinimizeButton);
  } else if (gauge_.AgentOwned(agent) != 0) {
    ports_.windows.ShowWindow(agent, ShowCommand::Minimize);
    ports_.windows.ShowWindow(agent, ShowCommand::Hide);
  }
}

void Capturer::SaveCapture(const std::wstring& folder, const wchar_t* kind) {
  // Date and time are taken now, after the copy and the minimise step. A file that cannot be
  // written ends the capture and changes nothing else.
  ports_.screen.SavePicture(CaptureFileName(folder, ports_.clock.LocalNow(), gauge_.Percent(), kind));
  ports_.screen.ClearPicture();
}

}  // namespace vantor
