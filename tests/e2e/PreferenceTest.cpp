// Preference driven as a user would: starting, the page tree, the jump buttons, saving and
// cancelling, and a colour change reaching the running monitor.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/preference_ids.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

using P = PreferenceProgram;

// The keys of a profile file, as "section/key" in lower case.
std::set<std::string> Keys(const std::string& ini) {
  std::set<std::string> keys;
  std::string section;
  std::size_t pos = 0;
  while (pos < ini.size()) {
    std::size_t end = ini.find('\n', pos);
    if (end == std::string::npos) end = ini.size();
    std::string line = ini.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > 1 && line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
    } else if (const auto eq = line.find('='); eq != std::string::npos) {
      std::string key = section + "/" + line.substr(0, eq);
      for (char& c : key) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
      keys.insert(key);
    }
  }
  return keys;
}


TEST(Preference, ASecondStartEndsWithoutAWindow) {
  PreferenceProgram pref;
  Process first = pref.Start();
  HWND main = P::MainWindow(first);
  ASSERT_NE(main, nullptr);
  Process second = Process::Start(pref.Exe());
  EXPECT_TRUE(second.Wait(10000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_EQ(CountProcessWindows(second.Id(), nullptr), 0);
  EXPECT_TRUE(first.Running());
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(first.Wait(10000));
}

TEST(Preference, EachNodeShowsOnlyItsPageAndEachJumpButtonSelectsItsNode) {
  PreferenceProgram pref;
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(P::VisiblePages(main), std::vector<int>{0}) << "the icon page first";
  const std::vector<HTREEITEM> nodes = P::Nodes(main);
  ASSERT_EQ(nodes.size(), 11u);
  const int pageOfNode[] = {0, 9, 1, 2, 3, 4, 5, 6, 7, 10, 8};
  // Children first, so that every selection is a change.
  for (int i : {1, 3, 5, 7, 8, 9, 10, 0, 2, 4, 6}) {
    P::SelectNode(main, nodes[static_cast<std::size_t>(i)]);
    EXPECT_EQ(P::VisiblePages(main), std::vector<int>{pageOfNode[i]}) << "node " << i;
  }
  HWND tree = ::GetDlgItem(main, IDC_TreeView1);
  const struct {
    int button, node, page;
  } jumps[] = {{IDC_cmdJumpBookMark, 7, 6}, {IDC_cmdJumpPriority, 8, 7}, {IDC_cmdJumpVersion, 10, 8}};
  for (const auto& jump : jumps) {
    P::SelectNode(main, nodes[6]);  // "その他"
    ASSERT_EQ(P::VisiblePages(main), std::vector<int>{5});
    Click(main, jump.button);
    EXPECT_EQ(P::VisiblePages(main), std::vector<int>{jump.page}) << jump.button;
    EXPECT_EQ(reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)),
              nodes[static_cast<std::size_t>(jump.node)]);
  }
  // The page texts come from the string table, spaces and all.
  EXPECT_EQ(WindowText(P::Control(main, IDC_labJumpVersion)), L"Vantorのバージョン情報が見られるのは　　その他だけ。");
  EXPECT_EQ(WindowText(P::Control(main, IDC_CheckWaku)), L"枠を描く");
  EXPECT_EQ(WindowText(P::Control(main, IDC_cmdOK1)), L"適用 (&A)");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(Preference, ApplyWritesEveryKeyAndTheBookmarksAndKeepsTheWindow) {
  PreferenceProgram pref;
  WriteBytes(pref.File(L"links.lst"), Ansi(L"ホーム,http://example.com/\r\nB,http://b.example/\r\n"));
  WriteBytes(pref.File(L"Vantor.ini"), "[window]\r\ntop=40\r\n[icon]\r\nDblClick=1\r\n");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(::SendMessageW(P::Control(main, IDC_optShowUDAgent), BM_GETCHECK, 0, 0) == BST_CHECKED);
  ::DeleteFileW(pref.File(L"links.lst").c_str());
  Click(main, IDC_cmdOK1);
  const std::string ini = ReadBytes(pref.File(L"Vantor.ini"));
  const auto keys = Keys(ini);
  EXPECT_EQ(keys.size(), 40u) << ini << " (39 keys and the monitor's window top)";
  for (const char* key : {"color/back", "icon/dblclick", "icon/balloon", "sound/schedule", "save/bakkin",
                          "capture/delay_mol", "priority/uda", "priority/other", "priority/frequency"}) {
    EXPECT_TRUE(keys.count(key)) << key;
  }
  EXPECT_NE(ini.find("top=40"), std::string::npos) << "the monitor's keys stay";
  EXPECT_NE(ini.find("DblClick=1"), std::string::npos) << "the key keeps its first spelling";
  EXPECT_NE(ini.find("uda=ud_ligfit_Release.exe"), std::string::npos) << ini;
  EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), Ansi(L"ホーム,http://example.com/\r\nB,http://b.example/\r\n"));
  EXPECT_TRUE(p.Running());
  EXPECT_NE(P::MainWindow(p), nullptr);
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

// By the mouse, and by Enter in the box just typed into, which keeps the focus: every box is
// taken as it reads.
TEST(Preference, OkWritesAndEnds) {
  for (const bool enter : {false, true}) {
    PreferenceProgram pref;
    Process p = pref.Start();
    HWND main = P::MainWindow(p);
    ASSERT_NE(main, nullptr);
    Click(main, IDC_CheckWaku);  // frame off
    P::SelectNode(main, P::Nodes(main)[2]);  // the sound page; a click puts the focus into its first quiet time
    HWND quiet = P::Control(main, IDC_txtQuietFrom);
    ::SendMessageW(quiet, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    ::SendMessageW(quiet, WM_LBUTTONUP, 0, 0);
    SetText(main, IDC_txtQuietFrom, L"22:00");
    enter ? ::PostMessageW(quiet, WM_KEYDOWN, VK_RETURN, 0x001C0001) : ::PostMessageW(P::Control(main, IDC_cmdOK0), BM_CLICK, 0, 0);
    EXPECT_TRUE(p.Wait(10000)) << enter;
    const std::string ini = ReadBytes(pref.File(L"Vantor.ini"));
    EXPECT_EQ(Keys(ini).size(), 39u) << ini;
    EXPECT_NE(ini.find("[icon]\r\nframe=0\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("quietfrom=22:00\r\n"), std::string::npos) << enter << ini;
    EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), "United Devices inc.,http://www.ud.com/\r\n");
  }
}

TEST(Preference, CancelTheCloseBoxAndEscWriteNothing) {
  for (const int way : {0, 1, 2}) {
    PreferenceProgram pref;
    WriteBytes(pref.File(L"links.lst"), "A,http://a/\r\n");
    Process p = pref.Start();
    HWND main = P::MainWindow(p);
    ASSERT_NE(main, nullptr);
    Click(main, IDC_CheckMoji);
    if (way == 0) ::PostMessageW(P::Control(main, IDC_cmdCancel), BM_CLICK, 0, 0);
    if (way == 1) ::PostMessageW(main, WM_CLOSE, 0, 0);
    // Esc as the keyboard gives it to the page tree, which has the focus in a window just opened.
    if (way == 2) ::PostMessageW(P::Control(main, IDC_TreeView1), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_TRUE(p.Wait(10000)) << way;
    EXPECT_FALSE(Exists(pref.File(L"Vantor.ini"))) << way;
    EXPECT_FALSE(Exists(pref.File(L"priority.ini"))) << way;
    EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), "A,http://a/\r\n") << way;
  }
}

TEST(Preference, AValueThatDoesNotConvertIsNamedAndNothingIsWritten) {
  PreferenceProgram pref;
  WriteBytes(pref.File(L"Vantor.ini"), "[save]\r\nbakkin=abc\r\n[capture]\r\ndelay_mol=2000\r\n");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  HWND box = WaitForDialog(p, main);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageText(box).find(L"[save] bakkin"), std::wstring::npos) << MessageText(box);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_EQ(WindowText(P::Control(main, IDC_txtBakkin)), L"15");
  EXPECT_EQ(::SendMessageW(P::Control(main, IDC_slidDelayMOL), TBM_GETPOS, 0, 0), 2000) << "later keys still load";
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_EQ(ReadBytes(pref.File(L"Vantor.ini")), "[save]\r\nbakkin=abc\r\n[capture]\r\ndelay_mol=2000\r\n");
}

TEST(Preference, SettingsThatCannotBeWrittenAreNeverSaidToBeSavedAndLinksStaysAsItIs) {
  PreferenceProgram pref;
  // A folder standing where Vantor.ini must be written: the file cannot be written.
  ::CreateDirectoryW(pref.File(L"Vantor.ini").c_str(), nullptr);
  WriteBytes(pref.File(L"links.lst"), "A,http://a/\r\n");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  SetText(main, IDC_txtLinkTitle, L"B");
  SetText(main, IDC_txtLinkURL, L"http://b/");
  Click(main, IDC_cmdLinkAdd);
  for (int button : {IDC_cmdOK0, IDC_cmdOK1}) {
    ::PostMessageW(P::Control(main, button), BM_CLICK, 0, 0);
    HWND box = WaitForDialog(p, main);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box),
              L"Vantor.iniを書き込めませんでした。ほかのプログラムが使用中か、書き込みが禁止されている可能性があります。"
              L"設定は保存されていません。");
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_EQ(WaitForDialog(p, main, 500), nullptr) << "no second box claims the settings were saved";
    EXPECT_TRUE(p.Running()) << "the window stays open";
    EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), "A,http://a/\r\n") << "written only after Vantor.ini";
  }
  HWND titles = P::Control(main, IDC_lstLink);
  EXPECT_EQ(::SendMessageW(titles, LB_GETCOUNT, 0, 0), 2) << "the user's edits stay";
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(Preference, PathsAndNamesTheSettingsFilesCannotHoldAreRefused) {
  PreferenceProgram pref;
  const std::wstring refused =
      L"次の文字列には、設定ファイルに保存できない文字（この環境の文字コードにない文字）が含まれているため、使えません。\n";
  const std::wstring sound = pref.File(L"소리.wav");
  WriteBytes(sound, "RIFF");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);

  // Chosen in the open dialog: refused there, the box keeps its old text.
  ::PostMessageW(P::Control(main, IDC_cmdSound1), BM_CLICK, 0, 0);
  HWND dialog = WaitForDialog(p, main);
  ASSERT_NE(dialog, nullptr);
  HWND name = ::GetDlgItem(dialog, 1148);  // the file name box (cmb13)
  ASSERT_NE(name, nullptr);
  ::SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(sound.c_str()));
  ::PostMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    box = WaitForDialog(p, main, 100);
    return box && box != dialog && !MessageText(box).empty();
  }));
  EXPECT_EQ(MessageText(box), refused + sound);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box) && !::IsWindow(dialog); }));
  EXPECT_EQ(Text(main, IDC_txtSound1), L"");

  // Typed into a name box: refused by OK, and nothing is written.
  SetText(main, IDC_txtPriEXE, L"프로그램.exe");
  ::PostMessageW(P::Control(main, IDC_cmdOK0), BM_CLICK, 0, 0);
  box = WaitForDialog(p, main);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), refused + L"프로그램.exe");
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_TRUE(p.Running());
  EXPECT_FALSE(Exists(pref.File(L"Vantor.ini")));
  SetText(main, IDC_txtPriEXE, L"app.exe");
  Click(main, IDC_cmdOK1);
  EXPECT_NE(ReadBytes(pref.File(L"Vantor.ini")).find("other=app.exe"), std::string::npos);
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(Preference, ANewColourReachesTheRunningMonitorsIcon) {
  VantorProgram vantor;
  Process monitor = vantor.Start();
  ASSERT_TRUE(WaitUntil([&] { return Exists(vantor.File(L"temp.ico")); }));
  const std::string before = ReadBytes(vantor.File(L"temp.ico"));
  PreferenceProgram pref(vantor.Folder().Path());
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);

  // The background colour through the colour dialog: red 0, green 200, blue 0; and pure black
  // for the frame, whose stored 0 would mean its default blue.
  const struct {
    int palette;
    const wchar_t *red, *green, *blue;
  } picks[] = {{IDC_PicIconColor0, L"0", L"200", L"0"}, {IDC_PicIconColor2, L"0", L"0", L"0"}};
  for (const auto& pick : picks) {
    ::PostMessageW(P::Control(main, pick.palette), BM_CLICK, 0, 0);
    HWND dialog = WaitForDialog(p, main);
    ASSERT_NE(dialog, nullptr);
    const struct {
      int id;
      const wchar_t* value;
    } fields[] = {{706, pick.red}, {707, pick.green}, {708, pick.blue}};
    for (const auto& f : fields) {
      ::SendDlgItemMessageW(dialog, f.id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(f.value));
    }
    ::SendMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }));
  }

  Click(main, IDC_cmdOK1);
  EXPECT_NE(ReadBytes(vantor.File(L"Vantor.ini")).find("back=51200"), std::string::npos)
      << ReadBytes(vantor.File(L"Vantor.ini"));
  EXPECT_NE(ReadBytes(vantor.File(L"Vantor.ini")).find("frame=1\r\n"), std::string::npos)
      << "black is stored as the nearest colour word that is not 0";
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(vantor.File(L"temp.ico")) != before; }, 2000))
      << "the monitor redraws its icon within two seconds";
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_TRUE(vantor.Exit(monitor));
}

}  // namespace
}  // namespace vantor::test
