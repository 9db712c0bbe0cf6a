// The agent search and the measurement over the real windows of the test agent.
#include <gtest/gtest.h>

#include "station/core/AgentSearch.h"
#include "station/core/Station.h"
#include "station/win/WinWindows.h"
#include "tests/support/Harness.h"
#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

class WindowWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    agent = test::Process::Start(test::BinFolder() + L"\\agent.exe", L"--width 113");
    // The agent creates its form before its second window: wait for both.
    ASSERT_TRUE(test::WaitUntil([&] {
      WindowHandle second = 0;
      return GetWindowHandle(windows, agent.Id(), second) != 0 && second != 0 && windows.GetDlgItem(second, 2) != 0;
    }));
    setWidth = ::RegisterWindowMessageW(L"VantorTestAgent.SetWidth");
  }
  void SetWidth(int width) {
    ::SendMessageW(test::FindProcessWindow(agent.Id(), kAgentClass), setWidth, static_cast<WPARAM>(width), 0);
  }

  WinWindows windows;
  test::Process agent;
  UINT setWidth = 0;
};

TEST_F(WindowWalkTest, FindsTheFormAndTheSecondWindowOfTheAgent) {
  const WindowHandle found = windows.FindWindow(kAgentClass, L"");
  EXPECT_EQ(windows.WindowProcessId(found), agent.Id());
  WindowHandle second = 0;
  const WindowHandle form = GetWindowHandle(windows, agent.Id(), second);
  ASSERT_NE(form, 0u);
  EXPECT_NE(second, 0u);
  EXPECT_NE(second, form);
  EXPECT_NE(windows.GetDlgItem(second, 2), 0u);
  RECT rect;
  ::GetWindowRect(reinterpret_cast<HWND>(form), &rect);
  EXPECT_EQ(rect.right - rect.left, 758);
  EXPECT_EQ(rect.bottom - rect.top, 514);
  EXPECT_EQ(windows.ClientWidth(windows.GetDlgItem(windows.GetDlgItem(form, 9), 10)), 113);
}

TEST_F(WindowWalkTest, TheTickMeasuresZeroHalfAndFull) {
  // Real windows, everything else faked.
  test::StationFakes fakes;
  StationPorts ports = fakes.Ports(L"C:\\nowhere");
  Station station{StationPorts{windows, ports.files, ports.profile, ports.host, ports.icons, ports.processes,
                               ports.programFolder, ports.sound, ports.capture, ports.links, ports.priorities}};
  station.Form_Load();
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 50);
  EXPECT_EQ(station.UDProcessID, agent.Id());
  SetWidth(227);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 100);
  SetWidth(0);
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 0);
  EXPECT_EQ(station.ZeroTicks, 0);
  station.timMain_Timer();
  EXPECT_EQ(station.ZeroTicks, 1);

  agent.Terminate();
  station.timMain_Timer();
  EXPECT_EQ(station.Percent, 0);
  EXPECT_TRUE(station.NoAgentShown);
}

TEST_F(WindowWalkTest, NoHandleGivesNoWidth) {
  EXPECT_EQ(windows.ClientWidth(0), 0);
  EXPECT_EQ(windows.GetDlgItem(0, 9), 0u);
  EXPECT_EQ(windows.FindWindow(kAgentClass, L"a title"), 0u);
}

}  // namespace
}  // namespace vantor
