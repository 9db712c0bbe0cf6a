// Finding and measuring the agent, and its backing off at 0 %.
#include "station/core/AgentGauge.h"

#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

using Changes = std::vector<GaugeChange>;

class AgentGaugeTest : public StationTest {
 protected:
  // `n` looks at the agent, with the threshold of the default 15 minutes; what each changed.
  Changes Looks(int n) {
    Changes changes;
    for (int i = 0; i < n; ++i) changes.push_back(gauge.Measure(900));
    return changes;
  }
  AgentGauge gauge{windows};
};

TEST_F(AgentGaugeTest, MeasuresTheAgentAndRemembersItsHandles) {
  StartAgent(113);
  EXPECT_EQ(Looks(2), (Changes{GaugeChange::Percent, GaugeChange::None}));
  EXPECT_EQ(gauge.Percent(), 50);
  EXPECT_EQ(gauge.Form(), agentForm);
  EXPECT_EQ(gauge.AgentOwned(bar), bar) << "a window of the agent's process";
  EXPECT_EQ(gauge.AgentOwned(windows.Add(windows.kDesktop, kAgent + 1)), 0u);
  SetWidth(227);
  EXPECT_EQ(Looks(1), Changes{GaugeChange::Percent});
  EXPECT_EQ(gauge.Percent(), 100);
}

TEST_F(AgentGaugeTest, AWindowWithATitleIsNeverTheAgent) {
  const WindowHandle titled = windows.Add(windows.kDesktop, kAgent, 0, 0, L"ThunderRT6formDC", L"UD Agent");
  const WindowHandle frame = windows.Add(titled, kAgent, 9);
  windows.Add(frame, kAgent, 10, 200);
  EXPECT_EQ(Looks(2), (Changes{GaugeChange::AgentGone, GaugeChange::None})) << "no agent, told once";
  EXPECT_EQ(gauge.Percent(), 0);
  EXPECT_EQ(gauge.Form(), 0u);
}

TEST_F(AgentGaugeTest, BackingOffAfterTheThresholdThenBlinking) {
  StartAgent(0);
  EXPECT_EQ(Looks(900), Changes(900, GaugeChange::None)) << "0 % as before: counted";
  EXPECT_FALSE(gauge.BackingOff());
  // At the threshold the backing-off face, then the plain one, in turn.
  EXPECT_EQ(Looks(3), (Changes{GaugeChange::BlinkOn, GaugeChange::BlinkOff, GaugeChange::BlinkOn}));
  EXPECT_TRUE(gauge.BackingOff());

  // The agent goes away: backing off and the blink phase stay as they are.
  windows.Remove(agentForm);
  EXPECT_EQ(Looks(3), (Changes{GaugeChange::AgentGone, GaugeChange::None, GaugeChange::None}));
  EXPECT_TRUE(gauge.BackingOff());
  EXPECT_EQ(gauge.Percent(), 0);
  StartAgent(0);
  EXPECT_EQ(Looks(1), Changes{GaugeChange::BlinkOff});

  // At 1 %: blinking ends at once.
  SetWidth(3);
  EXPECT_EQ(Looks(1), Changes{GaugeChange::Percent});
  EXPECT_EQ(gauge.Percent(), 1);
  EXPECT_FALSE(gauge.BackingOff());
}

TEST_F(AgentGaugeTest, TheThresholdDoesNotOverflowForLargeMinutes) {
  SetIni(L"save", L"bakkin", L"600");  // 600 × 60 = 36000 does not fit 16 bits
  station.Form_Load();
  StartAgent(0);
  tray.calls.clear();
  Ticks(36000);
  EXPECT_TRUE(tray.calls.empty()) << "36000 ticks counted at 0 %";
  EXPECT_EQ(iconWindow.canvas, Face(0));
  station.timMain_Timer();
  EXPECT_EQ(iconWindow.canvas, Face(0, true)) << "then backing off";
}

TEST_F(AgentGaugeTest, AChangeToZeroResetsTheCounterLikeAnyChange) {
  StartAgent(50);
  EXPECT_EQ(Looks(1), Changes{GaugeChange::Percent});
  EXPECT_EQ(gauge.Percent(), 22);
  SetWidth(0);
  EXPECT_EQ(Looks(1), Changes{GaugeChange::Percent});
  EXPECT_EQ(Looks(900), Changes(900, GaugeChange::None)) << "counted from 0";
  EXPECT_EQ(Looks(1), Changes{GaugeChange::BlinkOn});
}

}  // namespace
}  // namespace vantor
