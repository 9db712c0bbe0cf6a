// The station on the fakes of its ports in a folder of its own: keys, the agent, its bar, ticks,
// and the faces of the icon.
#pragma once

#include <gtest/gtest.h>
#include "common/core/IconComposer.h"
#include "tests/unit/Fakes.h"

namespace vantor {

inline constexpr std::uint32_t kAgent = 4242;
inline const std::wstring kFolder = L"C:\\Vantor";

class StationTest : public ::testing::Test, public test::StationFakes {
 protected:
  std::wstring Path(const wchar_t* name) { return kFolder + name; }
  void SetIni(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    profile.Write(Path(kVantorIni), section, key, value);
  }
  // A new links.lst: the next tick reloads the settings.
  void Reload() { files.stamps[Path(kLinksLst)] += 10; }
  // The agent's form with its bar `width` pixels wide (227 are 100 %).
  void StartAgent(int width) {
    agentForm = windows.AddAgentForm(windows.kDesktop, kAgent, width);
    bar = windows.GetDlgItem(windows.GetDlgItem(agentForm, 9), 10);
  }
  // The agent's second window: a top-level window of its process holding control 2. Made
  // before the form, the search meets it on its way.
  WindowHandle AddSecondWindow() {
    const WindowHandle second = windows.Add(windows.kDesktop, kAgent);
    windows.Add(second, kAgent, 2);
    return second;
  }
  void SetWidth(int width) { windows.windows[bar].width = width; }
  void Tick(int width) {
    SetWidth(width);
    station.timMain_Timer();
  }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) station.timMain_Timer();
  }
  // The icon at `percent` as the settings draw it: plain, or the face of an agent backing off.
  Canvas Face(std::int16_t percent, bool backingOff = false, int size = kIconSize) {
    return ComposeIcon(station.Settings(), percent, station.IconPicture() ? &*station.IconPicture() : nullptr,
                       backingOff, size);
  }
  // Whether a change would show a balloon now (with balloons on: only once start-up has ended).
  bool Balloons() { return (station.TrayRecord(L"").flags & kNifInfo) != 0; }

  Station station{Ports(kFolder)};
  WindowHandle agentForm = 0, bar = 0;
};

}  // namespace vantor
