// A rewritten save file of the agent ends the backing-off state.
#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

// The different contents temp.ico shows while sampled for `milliseconds`.
std::set<std::string> IconsSeen(const VantorProgram& vantor, DWORD milliseconds) {
  std::set<std::string> seen;
  WaitUntil([&] {
    const std::string ico = ReadBytes(vantor.File(L"temp.ico"));
    if (ico.size() == 958) seen.insert(ico);
    return false;
  }, milliseconds);
  return seen;
}

TEST(SaveWatch, TouchingTheSaveFileWhileBackingOffStopsTheBlinking) {
  VantorProgram vantor;
  TempFolder agentFolder{L"ud"};
  const std::wstring saveFile = agentFolder / L"tklg.ud";
  WriteBytes(saveFile, "work unit");
  // One minute of 0 percent: the threshold is 60 ticks, so a touch gives a minute of calm.
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[save]\r\nfolder=" + Ansi(agentFolder.Path()) + "\r\ncheck=1\r\nbakkin=1\r\n");
  AgentDriver agent(0);
  Process p = vantor.Start();
  ::Sleep(60000);
  ASSERT_TRUE(WaitUntil([&] { return IconsSeen(vantor, 2500).size() == 2; }, 15000)) << "blinking";
  WriteBytes(saveFile, "work unit, saved again");  // a minute later: a new time
  ::Sleep(1500);
  EXPECT_EQ(IconsSeen(vantor, 3000).size(), 1u) << "one icon, no more blinking";
  EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr);
  EXPECT_TRUE(vantor.Exit(p));
}

}  // namespace
}  // namespace vantor::test
