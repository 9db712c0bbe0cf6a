// Captures of the test agent's two views at scheduled percentages, and minimising it after.
#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"
#include "tests/support/PngRead.h"

namespace vantor::test {
namespace {

constexpr std::uint32_t kMainView = 0x008040, kApplicationView = 0xC000A0, kMinimiseButton = 0x0000A0;
constexpr int kWidth = 758, kHeight = 514;

// The picture holds the agent's whole window as the screen shows it: 758 x 514 of the agent's
// pixels, more of the screen's where the display is scaled. `x`, `y` are the agent's pixels.
std::uint32_t AtAgent(const DecodedPng& png, int x, int y) {
  EXPECT_GE(png.width, kWidth);
  EXPECT_LT(std::abs(png.width * kHeight - png.height * kWidth), kWidth + kHeight) << png.width << " x " << png.height;
  return png.At(x * png.width / kWidth, y * png.height / kHeight);
}

class CaptureTest : public ::testing::Test {
 protected:
  CaptureTest() { ::CreateDirectoryW(captures.c_str(), nullptr); }
  // Vantor.ini with the capture folder (with its trailing backslash) and `keys` of [capture].
  void Settings(const std::string& keys) {
    WriteBytes(vantor.File(L"Vantor.ini"), "[capture]\r\nfolder=" + Ansi(captures) + "\\\r\n" + keys);
  }
  std::vector<std::wstring> Pngs() const { return FileNames(captures, L"*.png"); }
  // Waits for the first picture and for the capture to finish its last steps.
  std::wstring WaitForPng() {
    EXPECT_TRUE(WaitUntil([&] { return !Pngs().empty(); }, 15000)) << "a capture file";
    ::Sleep(1000);
    const auto names = Pngs();
    return names.empty() ? L"" : names.front();
  }
  std::optional<DecodedPng> Read(const std::wstring& name) { return ReadPng(captures + L"\\" + name); }

  ComScope com;
  VantorProgram vantor;
  std::wstring captures = vantor.File(L"cap");
};

TEST_F(CaptureTest, FiftyPercentWritesOnePictureOfTheMainViewAndFiftyOneNone) {
  Settings("cpu=1\r\ncpuschedule=25,50,;,\r\nminimize=0\r\n");
  AgentDriver agent(0);
  Process p = vantor.Start();
  ::Sleep(1500);
  agent.SetWidth(113);
  const std::wstring name = WaitForPng();
  EXPECT_TRUE(std::regex_match(name, std::wregex(LR"(20\d{12}-50-CPU\.png)"))) << testing::PrintToString(name);
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  wchar_t today[16];
  swprintf(today, 16, L"%04d%02d%02d", now.wYear, now.wMonth, now.wDay);
  EXPECT_EQ(name.substr(0, 8), today);
  const auto png = Read(name);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(AtAgent(*png, 400, 300), kMainView);
  EXPECT_EQ(AtAgent(*png, 700, 380), kMainView);
  EXPECT_EQ(AtAgent(*png, 729, 483), kMinimiseButton) << "the window's lower right corner";
  RECT rect{};
  ::GetWindowRect(agent.Form(), &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, 758) << "moved, not resized";
  EXPECT_FALSE(::GetWindowLongW(agent.Form(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "not topmost after the capture";
  EXPECT_FALSE(::IsIconic(agent.Form()));

  agent.SetWidth(116);  // 51 percent
  ::Sleep(2500);
  EXPECT_EQ(Pngs().size(), 1u);
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_TRUE(vantor.Exit(p));
}

TEST_F(CaptureTest, AnApplicationCaptureShowsThatViewAndLeavesTheMainOne) {
  Settings("mol=1\r\nmolschedule=50,;,\r\nminimize=0\r\ndelay_mol=200\r\n");
  AgentDriver agent(0);
  Process p = vantor.Start();
  ::Sleep(1500);
  agent.SetWidth(114);
  const std::wstring name = WaitForPng();
  EXPECT_TRUE(std::regex_match(name, std::wregex(LR"(\d{14}-50-APP\.png)"))) << testing::PrintToString(name);
  const auto png = Read(name);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(AtAgent(*png, 400, 300), kApplicationView);
  EXPECT_FALSE(agent.ApplicationView()) << "back on the main view";
  EXPECT_EQ(Pngs().size(), 1u);
  EXPECT_TRUE(vantor.Exit(p));
}

// Method 0 presses the agent's own minimise button; method 1 minimises and hides it.
class MinimiseTest : public CaptureTest, public ::testing::WithParamInterface<int> {};

TEST_P(MinimiseTest, LeavesTheAgentMinimised) {
  const int method = GetParam();
  Settings("cpu=1\r\ncpuschedule=50,;,\r\nminimizemethod=" + std::to_string(method) + "\r\n");
  AgentDriver agent(0);
  Process p = vantor.Start();
  ::Sleep(1500);
  agent.SetWidth(113);
  const std::wstring name = WaitForPng();
  EXPECT_TRUE(WaitUntil([&] { return ::IsIconic(agent.Form()) != FALSE; }, 3000));
  EXPECT_EQ(::IsWindowVisible(agent.Form()) == FALSE, method == 1);
  const auto png = Read(name);
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(AtAgent(*png, 400, 300), kMainView) << "copied before the minimise step";
  EXPECT_TRUE(vantor.Exit(p));
}

INSTANTIATE_TEST_SUITE_P(Methods, MinimiseTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace vantor::test
