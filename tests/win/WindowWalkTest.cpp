// The agent search and the measurement over the real windows of the test agent.
#include <gtest/gtest.h>

#include "station/core/AgentSearch.h"
#include "station/core/AgentGauge.h"
#include "station/win/WinWindows.h"
#include "tests/support/Harness.h"

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

TEST_F(WindowWalkTest, TheGaugeMeasuresZeroHalfAndFull) {
  AgentGauge gauge{windows};
  EXPECT_EQ(gauge.Measure(1), GaugeChange::Percent);
  EXPECT_EQ(gauge.Percent(), 50);
  EXPECT_EQ(windows.WindowProcessId(gauge.Form()), agent.Id());
  EXPECT_NE(gauge.SecondWindow(), 0u);
  SetWidth(227);
  EXPECT_EQ(gauge.Measure(1), GaugeChange::Percent);
  EXPECT_EQ(gauge.Percent(), 100);
  SetWidth(0);
  EXPECT_EQ(gauge.Measure(1), GaugeChange::Percent);
  EXPECT_EQ(gauge.Measure(1), GaugeChange::None) << "one look at 0 % within the threshold";
  EXPECT_EQ(gauge.Measure(1), GaugeChange::BlinkOn) << "then it backs off";

  agent.Terminate();
  EXPECT_EQ(gauge.Measure(1), GaugeChange::AgentGone);
  EXPECT_EQ(gauge.Percent(), 0);
  EXPECT_EQ(gauge.Measure(1), GaugeChange::None) << "told once";
}

TEST_F(WindowWalkTest, NoHandleGivesNoWidth) {
  EXPECT_EQ(windows.ClientWidth(0), 0);
  EXPECT_EQ(windows.GetDlgItem(0, 9), 0u);
  EXPECT_EQ(windows.FindWindow(kAgentClass, L"a title"), 0u);
}

}  // namespace
}  // namespace vantor
