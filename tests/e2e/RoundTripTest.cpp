// The editor and the monitor together: what "適用 (&A)" writes in Preference changes the running
// Vantor on its next tick — the icon's colours, the percentages that start a capture and the
// bookmarks of its menu — with both programs and the agent running for real.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include "common/core/IcoFile.h"
#include "common/core/IconComposer.h"
#include "resources/preference_ids.h"
#include "station/win/PopupMenu.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

using P = PreferenceProgram;


std::string IconFor(const MainSettings& settings, int percent) {
  const IcoBytes bytes = EncodeIco(ComposeIcon(settings, static_cast<std::int16_t>(percent), nullptr, false));
  return std::string(bytes.begin(), bytes.end());
}

// The background colour through the colour dialog, as a user picks it.
void PickBackground(const Process& p, HWND main, int red, int green, int blue) {
  ::PostMessageW(P::Control(main, IDC_PicIconColor0), BM_CLICK, 0, 0);
  HWND dialog = WaitForDialog(p, main);
  ASSERT_NE(dialog, nullptr);
  const int fields[][2] = {{706, red}, {707, green}, {708, blue}};
  for (const auto& f : fields) {
    ::SendDlgItemMessageW(dialog, f[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(f[1]).c_str()));
  }
  ::SendMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
}

TEST(RoundTrip, ApplyInTheEditorChangesTheRunningMonitorOnItsNextTick) {
  VantorProgram vantor;
  const std::wstring folder = vantor.Folder().Path();
  const std::wstring captures = folder + L"\\captures";
  ::CreateDirectoryW(captures.c_str(), nullptr);
  WriteBytes(vantor.File(L"Vantor.ini"),
             "[capture]\r\nfolder=" + Ansi(captures) + "\\\r\ncpu=1\r\ncpuschedule=;,\r\nminimize=0\r\n");
  ::CopyFileW((BinFolder() + L"\\agent.exe").c_str(), vantor.File(L"bookmarked.exe").c_str(), FALSE);
  AgentDriver agent(84, L"--no-second", vantor.File(L"ud_ligfit_Release.exe"));
  Process monitor = vantor.StartAndSettle();
  ASSERT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == IconFor(MainSettings{}, 37); }, 4000))
      << "the monitor shows 37 % in its first colours";

  PreferenceProgram pref(folder);
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  PickBackground(p, main, 0, 200, 0);
  SetText(main, IDC_txtCaptureCPU, L"38");
  Click(main, IDC_cmdAddCaptureCPU);
  SetText(main, IDC_txtLinkTitle, L"Bookmarked");
  SetText(main, IDC_txtLinkURL, vantor.File(L"bookmarked.exe"));
  Click(main, IDC_cmdLinkAdd);
  Click(main, IDC_cmdOK1);

  // The colours: the same 37 % drawn on the new background within a tick or two.
  MainSettings green;
  green.ColorBack = 0x00C800;
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == IconFor(green, 37); }, 2500))
      << "the icon is redrawn with the applied background";

  // The schedule: 38 was not in the list when the monitor started; now reaching it captures.
  EXPECT_TRUE(FileNames(captures, L"*.png").empty());
  agent.SetWidth(86);
  EXPECT_TRUE(WaitUntil([&] { return FileNames(captures, L"*-38-CPU.png").size() == 1; }, 10000))
      << "the applied capture list starts a capture at 38 %";
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) == IconFor(green, 38); }, 4000));

  // The bookmarks: the menu's second entry (after the default one) opens the added program.
  vantor.Command(monitor, kCmdLinkBase + 2);
  EXPECT_TRUE(WaitUntil([&] { return ProcessesNamed(L"bookmarked.exe").size() == 1; }, 5000))
      << "the new bookmark is in the menu";
  EndProcessesNamed(L"bookmarked.exe");

  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_TRUE(vantor.Exit(monitor));
}

}  // namespace
}  // namespace vantor::test
