// Both programs in a folder that cannot be written (under Program Files, a read-only share):
// the progress still shows, and each program says once what is wrong. scripts/test-windows
// provides the folder, a read-only bind mount that holds both programs.
#include <gtest/gtest.h>

#include <cstdlib>

#include "resources/preference_ids.h"
#include "tests/e2e/AgentDriver.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

std::string g_tray;  // the last record handed to the shell: Wine sends the icon's bits after it

LRESULT CALLBACK Shell(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COPYDATA) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
  g_tray.assign(static_cast<const char*>(copy->lpData), copy->cbData);
  return TRUE;
}


TEST(ReadOnlyFolder, TheProgressStillShowsAndEachProgramSaysOnceWhatIsWrong) {
  const wchar_t* given = _wgetenv(L"VANTOR_READONLY_FOLDER");
  const std::wstring folder = given ? given : L"";
  ASSERT_TRUE(!folder.empty() && Exists(folder + L"\\Vantor.exe"))
      << "no folder holding the programs at \"" << Ansi(folder) << "\" (scripts/test-windows mounts one as root)";
  WriteBytes(folder + L"\\probe", "x");
  ASSERT_FALSE(Exists(folder + L"\\probe")) << "the folder can be written: it is no read-only mount";
  ASSERT_TRUE(Exists(folder + L"\\priority.ini")) << "the bed leaves one there, as an earlier run would";
  WNDCLASSW shell{0, Shell, 0, 0, ::GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"Shell_TrayWnd"};
  ::RegisterClassW(&shell);
  ::CreateWindowExW(0, shell.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, shell.hInstance, nullptr);
  const VantorProgram vantor;
  AgentDriver agent(113, L"--no-second", vantor.File(L"ud_ligfit_Release.exe"));
  Process p = Process::Start(folder + L"\\Vantor.exe");
  HWND box = vantor.WaitForMessageBox(p);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box).find(L"Vantorのフォルダに書き込めません。\n" + folder + L"\n\n"), 0u) << "names the folder";
  // The tray icon at 50 %, then two more changes (66 %, 88 %): the first two while the message
  // waits, and no second message.
  const std::pair<int, std::int16_t> steps[] = {{113, 50}, {150, 66}, {200, 88}};
  for (const auto& [width, percent] : steps) {
    if (percent == 88) CloseMessageBox(box);
    agent.SetWidth(width);
    EXPECT_TRUE(WaitUntil([&] { return RecordCarries(g_tray, percent, ShellIconSize()); }, 4000)) << percent;
    EXPECT_EQ(::IsWindow(box) != FALSE, percent < 88) << percent;
  }
  box = vantor.WaitForMessageBox(p, 1500);
  EXPECT_EQ(box, nullptr) << Ansi(box ? MessageText(box) : L"");
  ::PostMessageW(vantor.StationWindow(p), WM_CLOSE, 0, 0);  // the exit saves the window state too
  EXPECT_TRUE(WaitUntil([&] { return !p.Running(); })) << "no message holds it up";

  Process pref = Process::Start(folder + L"\\Preference.exe");
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (main = PreferenceProgram::MainWindow(pref)) != nullptr; }));
  box = WaitForDialog(pref, main);  // before any edit
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box).find(L"このフォルダには書き込めないため、設定を保存できません。\n" + folder), 0u);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  Click(main, IDC_CheckWaku);
  const wchar_t* run = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, run, L"Vantor");
  PreferenceProgram::SelectNode(main, PreferenceProgram::Nodes(main)[6]);  // その他
  Click(main, IDC_CheckLogon);
  ::PostMessageW(PreferenceProgram::Control(main, IDC_cmdOK0), BM_CLICK, 0, 0);
  box = WaitForDialog(pref, main);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box).find(L"Vantor.iniを書き込めませんでした。"), 0u);
  CloseMessageBox(box);
  EXPECT_FALSE(pref.Wait(500)) << "OK keeps the window";
  // Wine takes its time to take a box away from a screen without a window manager.
  EXPECT_TRUE(WaitUntil([&] { return ::RegGetValueW(HKEY_CURRENT_USER, run, L"Vantor", RRF_RT_REG_SZ, nullptr, nullptr, nullptr) == 0; }))
      << "the log-on value is written all the same";
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, run, L"Vantor");
  EXPECT_EQ(::SendMessageW(PreferenceProgram::Control(main, IDC_CheckWaku), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(pref.Wait(10000));
}

}  // namespace
}  // namespace vantor::test
