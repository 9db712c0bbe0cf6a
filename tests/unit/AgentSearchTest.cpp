#include "station/core/AgentSearch.h"

#include <gtest/gtest.h>

#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

constexpr std::uint32_t kAgent = 77;
constexpr std::uint32_t kOther = 5;

TEST(PercentOfWidth, RoundsToNearestAndDoesNotClamp) {
  const std::pair<int, int> cases[] = {{0, 0}, {1, 0}, {2, 1}, {84, 37}, {113, 50}, {114, 50},
                                       {226, 100}, {227, 100}, {250, 110}, {-5, -2}};
  for (auto [width, percent] : cases) EXPECT_EQ(PercentOfWidth(width), percent) << width;
  EXPECT_EQ(PercentOfWidth(100000), 32767);  // beyond 16 bits: kept in range, no crash
}

TEST(FindAgentForm, TakesATopLevelFormOfTheProcessWithTheBar) {
  test::FakeWindows w;
  w.Add(w.kDesktop, kOther);                       // someone else's window first in Z order
  const WindowHandle other = w.AddAgentForm(w.kDesktop, kOther, 50);  // another process's form
  const WindowHandle form = w.AddAgentForm(w.kDesktop, kAgent, 113);
  WindowHandle second = 0;
  EXPECT_EQ(GetWindowHandle(w, kAgent, second), form);
  EXPECT_NE(form, other);
  EXPECT_EQ(second, 0u);
}

TEST(FindAgentForm, RecordsTheSecondWindowOnTheWay) {
  test::FakeWindows w;
  const WindowHandle second = w.Add(w.kDesktop, kAgent);
  w.Add(second, kAgent, 2);
  const WindowHandle form = w.AddAgentForm(w.kDesktop, kAgent, 10);
  WindowHandle mol = 0;
  EXPECT_EQ(GetWindowHandle(w, kAgent, mol), form);
  EXPECT_EQ(mol, second);
}

TEST(FindAgentForm, DropsAFormFoundBelowAWindowWithoutTheBar) {
  // Agent form nested inside a container of the agent's process: the container itself
  // has no 9 -> 10 pair, so the form found below it is dropped and nothing is found.
  test::FakeWindows w;
  const WindowHandle container = w.Add(w.kDesktop, kAgent);
  w.AddAgentForm(container, kAgent, 100);
  WindowHandle mol = 0;
  AgentControls controls;
  EXPECT_EQ(GetWindowHandle(w, kAgent, mol, &controls), 0u);
  EXPECT_EQ(controls.bar, 0u) << "the dropped form's bar is not the agent's";
}

TEST(FindAgentForm, ReturnsTheSubFormWhenTheContainerHoldsThePairOfAnotherProcess) {
  // A window of another process holding 9 -> 10, with the agent's form below it: the
  // agent's form is returned through the container.
  test::FakeWindows w;
  const WindowHandle container = w.AddAgentForm(w.kDesktop, kOther, 3);
  const WindowHandle inner = w.AddAgentForm(container, kAgent, 200);
  WindowHandle mol = 0;
  AgentControls controls;
  EXPECT_EQ(GetWindowHandle(w, kAgent, mol, &controls), inner);
  EXPECT_EQ(w.ClientWidth(controls.bar), 200) << "the inner form's own bar";
}

TEST(FindAgentForm, MarksAContainerWithItem2AsSecondWindowWhenASubFormIsDropped) {
  test::FakeWindows w;
  const WindowHandle container = w.Add(w.kDesktop, kOther);
  w.Add(container, kOther, 2);
  w.AddAgentForm(container, kAgent, 100);
  WindowHandle mol = 0;
  EXPECT_EQ(GetWindowHandle(w, kAgent, mol), 0u);
  EXPECT_EQ(mol, container);
}

TEST(FindAgentForm, AFormWithoutTheBarIsNotTheAgentForm) {
  test::FakeWindows w;
  const WindowHandle form = w.Add(w.kDesktop, kAgent, 0, 0, L"ThunderRT6formDC", L"");
  w.Add(form, kAgent, 9);  // frame without the bar
  WindowHandle mol = 0;
  EXPECT_EQ(GetWindowHandle(w, kAgent, mol), 0u);
}

}  // namespace
}  // namespace vantor
