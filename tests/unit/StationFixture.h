// The station on the fakes of its ports in a folder of its own: keys, the agent, its bar, ticks.
#pragma once

#include <gtest/gtest.h>
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
  void StartAgent(int width) {
    agentForm = windows.AddAgentForm(windows.kDesktop, kAgent, width);
    bar = windows.GetDlgItem(windows.GetDlgItem(agentForm, 9), 10);
  }
  void SetWidth(int width) { windows.windows[bar].width = width; }
  void Ticks(int n) {
    for (int i = 0; i < n; ++i) station.timMain_Timer();
  }

  Station station{Ports(kFolder)};
  WindowHandle agentForm = 0, bar = 0;
};

}  // namespace vantor
