// The capture sequences, their schedules and the names of the files they write.
#include "station/core/Station.h"
#include "tests/unit/StationFixture.h"

namespace vantor {
namespace {

using Calls = std::vector<std::wstring>;

class CapturerTest : public StationTest {
 protected:
  void SetCapture(const wchar_t* key, const wchar_t* value) { SetIni(L"capture", key, value); }
  void Start(const wchar_t* minimize, const wchar_t* method) {
    SetCapture(L"folder", L"C:\\cap\\");
    SetCapture(L"minimize", minimize);
    SetCapture(L"minimizemethod", method);
    station.Form_Load();
    log.calls.clear();
  }
  // The calls of one capture (the application view's, or the CPU time's) by a station started
  // anew on the keys as they are, with %A for the handle of the agent's form, %S for its second window's.
  Calls Captured(bool application) {
    Station st{Ports(kFolder)};
    st.Form_Load();
    st.timMain_Timer();
    log.calls.clear();
    application ? st.CCaptureMOL() : st.CCaptureCPU();
    Calls calls = log.calls;
    for (auto& call : calls) {
      for (const auto& [handle, name] : {std::pair{agentForm, L" %A "}, {second, L" %S "}}) {
        const std::wstring text = L" " + std::to_wstring(handle) + L" ";
        if (const auto at = call.find(text); at != std::wstring::npos) call.replace(at, text.size(), name);
      }
    }
    return calls;
  }
  WindowHandle second = 0;
};

Calls Click(const wchar_t* at) { return {L"getcursor", std::wstring(L"cursor ") + at, L"down", L"up", L"cursor 300,200"}; }

Calls Join(std::initializer_list<Calls> parts) {
  Calls all;
  for (const Calls& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

// The minimise step of each setting, after the agent is no longer topmost.
struct MinimizeCase {
  const wchar_t* minimize;
  const wchar_t* method;
  Calls step;
};
const MinimizeCase kMinimizeCases[] = {
    {L"1", L"0", Click(L"740,492")},
    {L"", L"", Click(L"740,492")},  // both missing: the agent's own button
    {L"1", L"1", {L"show %A minimize", L"show %A hide"}},
    {L"0", L"1", {}},
};

// The screen's pixels of the agent's window: its own rectangle where a thread can read it in
// the screen's pixels (Windows 10 1607 on), on any monitor at any scaling; else the fixed area
// at the origin, scaled by the resolutions (a process that stays unaware).
TEST(CaptureArea, TheWindowsOwnRectangleWhereTheSystemTellsIt) {
  const auto area = [](std::optional<ScreenRect> window, ScreenResolution screen) {
    return CaptureArea(window, screen, 758, 514);
  };
  EXPECT_EQ(area(std::nullopt, {1024, 1024, 768, 768}), (ScreenRect{0, 0, 758, 514}));    // nothing scaled
  EXPECT_EQ(area(std::nullopt, {1920, 1280, 1080, 720}), (ScreenRect{0, 0, 1137, 771}));  // unaware at 150 %
  EXPECT_EQ(area(ScreenRect{0, 0, 1516, 1028}, {1920, 1280, 1080, 720}),  // 200 % since sign-in at 150 %
            (ScreenRect{0, 0, 1516, 1028}));
  EXPECT_EQ(area(ScreenRect{-758, 0, 0, 514}, {2880, 1920, 1620, 1080}),  // 100 % beside a 150 % primary
            (ScreenRect{-758, 0, 0, 514}));
  EXPECT_EQ(area(ScreenRect{9, 9, 9, 9}, {1920, 1280, 1080, 720}), (ScreenRect{0, 0, 1137, 771}));  // empty: not taken
}

TEST_F(CapturerTest, CpuTimeSequenceForEachMinimiseSetting) {
  second = AddSecondWindow();
  StartAgent(84);  // 37 %
  for (const MinimizeCase& m : kMinimizeCases) {
    SetCapture(L"folder", L"C:\\cap\\");
    SetCapture(L"minimize", m.minimize);
    SetCapture(L"minimizemethod", m.method);
    const Calls expected = Join({{L"show %S hide", L"show %A normal", L"pos %A topmost 0,0", L"sleep 100",
                                  L"copy 0,0 758x514", L"pos %A notopmost 0,0"},
                                 m.step,
                                 {L"now", L"save C:\\cap\\20040307090503-37-CPU.png", L"clear"}});
    EXPECT_EQ(Captured(false), expected) << "minimize '" << m.minimize << "' method '" << m.method << "'";
  }
}

TEST_F(CapturerTest, ApplicationSequenceForEachMinimiseSetting) {
  screen.windowPixels = ScreenRect{-758, 0, 0, 514};  // on a monitor left of the primary: copied as it is
  second = AddSecondWindow();
  StartAgent(11);  // 5 %
  for (const MinimizeCase& m : kMinimizeCases) {
    SetCapture(L"folder", L"C:\\cap\\");
    SetCapture(L"minimize", m.minimize);
    SetCapture(L"minimizemethod", m.method);
    SetCapture(L"delay_mol", L"250");
    const Calls expected = Join({{L"show %S hide", L"show %A normal", L"pos %A topmost 0,0"},
                                 Click(L"615,490"),
                                 {L"sleep 250", L"pos %A topmost 0,0", L"events", L"sleep 250",
                                  L"copy -758,0 758x514", L"sleep 250"},
                                 Click(L"582,492"),
                                 {L"events", L"sleep 250", L"pos %A notopmost 0,0"},
                                 m.step,
                                 {L"now", L"save C:\\cap\\20040307090503-5-APP.png", L"clear"}});
    EXPECT_EQ(Captured(true), expected) << "minimize '" << m.minimize << "' method '" << m.method << "'";
  }
}

TEST_F(CapturerTest, NegativeDelaysNeverReachTheWait) {
  SetCapture(L"delay_cpu", L"-5");
  SetCapture(L"delay_mol", L"-32768");
  Start(L"0", L"0");
  station.CCaptureCPU();
  station.CCaptureMOL();
  Calls sleeps;
  for (const auto& call : log.calls) {
    if (call.rfind(L"sleep", 0) == 0) sleeps.push_back(call);
  }
  EXPECT_EQ(sleeps, Calls(5, L"sleep 0"));
}

TEST_F(CapturerTest, WithoutAnAgentNothingIsClickedAndTheScreenIsStillSaved) {
  Start(L"1", L"0");
  station.CCaptureMOL();  // no tick has found an agent
  EXPECT_EQ(log.calls,
            (Calls{L"show 0 hide", L"show 0 normal", L"pos 0 topmost 0,0", L"sleep 500", L"pos 0 topmost 0,0",
                   L"events", L"sleep 500", L"copy 0,0 758x514", L"sleep 500", L"events", L"sleep 500",
                   L"pos 0 notopmost 0,0", L"now", L"save C:\\cap\\20040307090503-0-APP.png", L"clear"}));
}

TEST_F(CapturerTest, AnAgentThatHangsOrGoesIsNeitherWaitedForNorClicked) {
  Start(L"1", L"0");
  second = AddSecondWindow();
  StartAgent(84);
  station.timMain_Timer();
  log.calls.clear();
  windows.hung = agentForm;
  station.CCaptureMOL();
  EXPECT_EQ(log.calls, Calls{}) << "a hung agent is not captured";

  windows.hung = 0;
  host.onEvents = [&] { windows.windows[agentForm].process = 9999; };  // gone, its handle reused
  station.CCaptureMOL();
  int clicks = 0;
  for (const auto& call : log.calls) clicks += call == L"down";
  EXPECT_EQ(clicks, 1) << "only the click before the agent went";

  log.calls.clear();
  station.ShowUDAWindow();
  EXPECT_EQ(log.calls, Calls{L"show " + std::to_wstring(second) + L" hide"}) << "another program's window is left alone";
}

TEST_F(CapturerTest, OnAScaledDisplayTheAgentIsReadMovedAndClickedInItsOwnPixels) {
  windows.scale = 150;
  log.outside = [&] { return !windows.InOtherSpace(); };
  SetCapture(L"mol", L"1");
  SetCapture(L"molschedule", L"50,;,");
  Start(L"1", L"0");
  StartAgent(0);
  Tick(113);
  ASSERT_EQ(screen.saved, Calls{L"C:\\cap\\20040307090503-50-APP.png"}) << "113 of 227 of the agent's own pixels";
  for (const auto& call : log.calls) {
    if (call.rfind(L"now", 0) != 0 && call.rfind(L"save", 0) != 0 && call.rfind(L"clear", 0) != 0) {
      EXPECT_EQ(call.find(L"(outside)"), std::wstring::npos) << testing::PrintToString(call);
    }
  }
  log.calls.clear();
  station.ShowUDAWindow();
  const std::wstring form = std::to_wstring(agentForm);
  EXPECT_EQ(log.calls, (Calls{L"show " + form + L" normal", L"size " + form + L" 758x514"}));
}

TEST_F(CapturerTest, FileNames) {
  struct Case { std::wstring folder; LocalTime time; std::int16_t percent; const wchar_t* kind; std::wstring name; };
  const Case cases[] = {
      {L"C:\\cap\\", {2004, 3, 7, 9, 5, 3}, 37, L"-CPU", L"C:\\cap\\20040307090503-37-CPU.png"},
      {L"C:\\cap\\", {2004, 3, 7, 9, 5, 3}, 5, L"-CPU", L"C:\\cap\\20040307090503-5-CPU.png"},
      {L"C:\\cap\\", {2031, 12, 31, 23, 59, 59}, 100, L"-APP", L"C:\\cap\\20311231235959-100-APP.png"},
      {L"C:\\cap", {2004, 3, 7, 0, 0, 0}, 100, L"-CPU", L"C:\\cap20040307000000-100-CPU.png"},  // a plain prefix
      {L"", {2004, 3, 7, 9, 5, 3}, 0, L"-APP", L"20040307090503-0-APP.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(CaptureFileName(c.folder, c.time, c.percent, c.kind), c.name);
}

TEST_F(CapturerTest, ScheduledCapturesCpuFirstAndOnlyAtListedPercentages) {
  SetCapture(L"cpu", L"1");
  SetCapture(L"cpuschedule", L"25,50,;,");
  SetCapture(L"mol", L"1");
  SetCapture(L"molschedule", L"50,50,;,");
  Start(L"0", L"0");
  StartAgent(0);
  Tick(113);
  Tick(116);  // 51
  Tick(114);  // 50 again
  const Calls once = {L"C:\\cap\\20040307090503-50-CPU.png", L"C:\\cap\\20040307090503-50-APP.png",
                      L"C:\\cap\\20040307090503-50-APP.png"};
  EXPECT_EQ(screen.saved, Join({once, once}));
  screen.saved.clear();
  Tick(57);  // 25
  EXPECT_EQ(screen.saved, Calls{L"C:\\cap\\20040307090503-25-CPU.png"});
}

TEST_F(CapturerTest, SwitchedOffSchedulesStillLeaveTheMenuCaptures) {
  SetCapture(L"cpuschedule", L"50,;,");
  SetCapture(L"molschedule", L"50,;,");
  Start(L"0", L"0");
  StartAgent(0);
  Tick(113);
  EXPECT_TRUE(screen.saved.empty());
  station.CCaptureCPU();
  station.CCaptureMOL();
  EXPECT_EQ(screen.saved, (Calls{L"C:\\cap\\20040307090503-50-CPU.png", L"C:\\cap\\20040307090503-50-APP.png"}));
}

TEST_F(CapturerTest, ATickRunByPendingEventsStartsNoSecondCapture) {
  SetCapture(L"mol", L"1");
  SetCapture(L"molschedule", L"50,60,;,");
  Start(L"1", L"1");
  StartAgent(0);
  int nested = 0;
  host.onEvents = [&] {
    if (nested++ == 0) Tick(136);  // 60 percent, while the capture at 50 runs
  };
  Tick(113);
  EXPECT_EQ(iconWindow.windowTip, L"Vantor \r\nNo task \r\n60%");
  ASSERT_EQ(screen.saved.size(), 1u) << "one picture, one file";
  EXPECT_EQ(screen.saved[0], L"C:\\cap\\20040307090503-60-APP.png") << "named when saved";
  Tick(113);
  EXPECT_EQ(screen.saved.size(), 2u) << "the next capture runs again";
}

TEST_F(CapturerTest, AnUnwritableFileEndsTheCaptureQuietly) {
  Start(L"1", L"1");
  screen.savable = false;
  station.CCaptureCPU();
  station.CCaptureCPU();
  EXPECT_EQ(screen.saved.size(), 2u);
  EXPECT_EQ(log.calls.back(), L"clear");
  EXPECT_TRUE(host.errors.empty());
}

}  // namespace
}  // namespace vantor
