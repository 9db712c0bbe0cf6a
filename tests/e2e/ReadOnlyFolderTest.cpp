// Both programs in a folder that cannot be written (under Program Files, a read-only share):
// the progress still shows, and each program says once what is wrong. scripts/test-windows
// provides the folder, a read-only bind mount that holds both programs.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/core/IconComposer.h"
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

// Whether the record ends with the icon of `percent`: blue, green, red and one more byte per
// pixel, top row first, at the size of small icons on some display scale.
bool TrayShows(std::int16_t percent) {
  const auto byte = [](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(g_tray[i])); };
  for (int size : {16, 20, 24, 32}) {
    const auto pixels = ScaleCanvas(ComposeIcon(MainSettings{}, percent, nullptr, false), size);
    if (g_tray.size() < 4 * pixels.size()) continue;
    std::size_t at = g_tray.size() - 4 * pixels.size(), same = 0;
    for (const std::uint32_t pixel : pixels) {
      same += (byte(at) << 16 | byte(at + 1) << 8 | byte(at + 2)) == pixel ? 1 : 0;
      at += 4;
    }
    if (same == pixels.size()) return true;
  }
  return false;
}

TEST(ReadOnlyFolder, TheProgressStillShowsAndEachProgramSaysOnceWhatIsWrong) {
  const wchar_t* given = _wgetenv(L"VANTOR_READONLY_FOLDER");
  const std::wstring folder = given ? given : L"";
  ASSERT_TRUE(!folder.empty() && Exists(folder + L"\\Vantor.exe"))
      << "no folder holding the programs at \"" << Ansi(folder) << "\" (scripts/test-windows mounts one as root)";
  WriteBytes(folder + L"\\probe", "x");
  ASSERT_FALSE(Exists(folder + L"\\probe")) << "the folder can be written: it is no read-only mount";
  WNDCLASSW shell{0, Shell, 0, 0, ::GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, L"Shell_TrayWnd"};
  ::RegisterClassW(&shell);
  ::CreateWindowExW(0, shell.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, shell.hInstance, nullptr);
  const VantorProgram vantor;
  AgentDriver agent(113, L"--no-second", vantor.File(L"ud_ligfit_Release.exe"));
  Process p = Process::Start(folder + L"\\Vantor.exe");
  HWND box = vantor.WaitForMessageBox(p);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WindowText(box), L"Vantor Error");
  EXPECT_EQ(MessageText(box), L"Vantorのフォルダに書き込めません。\n" + folder +
                                  L"\n\nこのフォルダには、アイコンのファイル（temp.ico）も、アイコンウィンドウの位置も、"
                                  L"Preferenceの設定も保存できません。進み具合の表示はこのまま続きます。\n\nVantor.exeと"
                                  L"Preference.exeを、自分で書き込めるフォルダ（たとえばユーザーのフォルダ C:\\Users\\<名前> "
                                  L"の下）に移してください。");
  CloseMessageBox(box);
  // The tray icon at 50 %, then two more changes (66 %, 88 %), with no second message.
  const std::pair<int, std::int16_t> steps[] = {{113, 50}, {150, 66}, {200, 88}};
  for (const auto& [width, percent] : steps) {
    agent.SetWidth(width);
    EXPECT_TRUE(WaitUntil([&] { return TrayShows(percent); }, 4000)) << percent;
  }
  EXPECT_EQ(vantor.WaitForMessageBox(p, 1500), nullptr);
  ::PostMessageW(vantor.StationWindow(p), WM_CLOSE, 0, 0);  // the exit saves the window state too
  EXPECT_TRUE(WaitUntil([&] { return !p.Running(); })) << "no message holds it up";

  Process pref = Process::Start(folder + L"\\Preference.exe");
  HWND main = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (main = PreferenceProgram::MainWindow(pref)) != nullptr; }));
  box = WaitForDialog(pref, main);  // before any edit
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), L"このフォルダには書き込めないため、設定を保存できません。\n" + folder +
                                  L"\n\n「OK」や「適用」を押しても保存されません。Vantor.exeとPreference.exeを、自分で書き込める"
                                  L"フォルダ（たとえばユーザーのフォルダ C:\\Users\\<名前> の下）に移してください。");
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  Click(main, IDC_CheckWaku);
  ::PostMessageW(PreferenceProgram::Control(main, IDC_cmdOK0), BM_CLICK, 0, 0);
  box = WaitForDialog(pref, main);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box).find(L"Vantor.iniを書き込めませんでした。"), 0u);
  CloseMessageBox(box);
  EXPECT_FALSE(pref.Wait(500)) << "OK keeps the window";
  EXPECT_EQ(::SendMessageW(PreferenceProgram::Control(main, IDC_CheckWaku), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(pref.Wait(10000));
}

}  // namespace
}  // namespace vantor::test
