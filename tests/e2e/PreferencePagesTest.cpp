// Preference's sound, save-watch and capture pages driven by window messages, checked in
// what Vantor.ini holds after "適用 (&A)"; the 記録 page's reading; the その他 page's log-on box
// over the registry.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include <commctrl.h>

#include <functional>

#include "resources/preference_ids.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

using P = PreferenceProgram;

bool Ticked(HWND main, int id) { return ::SendMessageW(P::Control(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::wstring Value(const PreferenceProgram& pref, const wchar_t* section, const wchar_t* key) {
  wchar_t value[512] = {};
  ::GetPrivateProfileStringW(section, key, L"", value, 512, pref.File(L"Vantor.ini").c_str());
  return value;
}

// The tree of a folder browser.
HWND BrowserTree(HWND browser) {
  HWND tree = nullptr;
  ::EnumChildWindows(
      browser,
      [](HWND child, LPARAM found) -> BOOL {
        wchar_t cls[64] = {};
        ::GetClassNameW(child, cls, 64);
        if (lstrcmpW(cls, WC_TREEVIEWW) != 0) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&tree));
  return tree;
}

// Presses a button of a dialog and waits until the dialog has gone.
bool Press(HWND dialog, int button) {
  for (int i = 0; i < 3 && ::IsWindow(dialog); ++i) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dialog, button)));
    WaitUntil([&] { return !::IsWindow(dialog); }, 3000);
  }
  return !::IsWindow(dialog);
}

// Opens the folder browser with `button` (it starts on the folder the page shows) and takes
// that folder with OK. Wine's browser now and then stops its walk down the tree halfway and
// selects nothing; it is then cancelled, which changes nothing, and opened again.
void ChooseShownFolder(const Process& p, HWND main, int button) {
  for (int attempt = 0; attempt < 4; ++attempt) {
    ::PostMessageW(P::Control(main, button), BM_CLICK, 0, 0);
    HWND browser = WaitForDialog(p, main);
    ASSERT_NE(browser, nullptr);
    HWND tree = BrowserTree(browser);
    ASSERT_NE(tree, nullptr);
    LRESULT last = 0;
    int same = 0;
    const bool rests = WaitUntil(
        [&] {
          const LRESULT caret = ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
          same = caret != 0 && caret == last ? same + 1 : 0;
          last = caret;
          ::Sleep(100);
          return same >= 5;
        },
        4000);
    if (rests && ::IsWindowEnabled(::GetDlgItem(browser, IDOK))) {
      ASSERT_TRUE(Press(browser, IDOK));
      return;
    }
    ASSERT_TRUE(Press(browser, IDCANCEL));
  }
  FAIL() << "the browser never came to rest on a folder";
}

TEST(PreferencePages, PercentListsAreKeptAsTextAndOnlyTheirButtonsChangeThem) {
  PreferenceProgram pref;
  WriteBytes(pref.File(L"Vantor.ini"), "[capture]\r\ncpuschedule=1,2,;,\r\nmolschedule=5,7\r\n");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Text(main, IDC_txtCapMOLPer), L"5,7,") << "a hand-edited list without \";\"";
  for (const wchar_t* percent : {L"20", L"10", L"20"}) {
    SetText(main, IDC_txtSound, percent);
    Click(main, IDC_cmdSound2Add);
  }
  EXPECT_EQ(::SendMessageW(P::Control(main, IDC_slidSound), TBM_GETPOS, 0, 0), 20) << "the entry moves the slider";
  EXPECT_EQ(Text(main, IDC_txtSoundPercents), L"20,10,");
  SetText(main, IDC_txtSoundPercents, L"99,");
  EXPECT_EQ(Text(main, IDC_txtSoundPercents), L"20,10,") << "an edit of the read-out is undone";
  Click(main, IDC_cmdClearCaptureCPU);
  EXPECT_EQ(Text(main, IDC_txtCapCPUPer), L"");
  Click(main, IDC_cmdOK1);
  EXPECT_EQ(Value(pref, L"sound", L"schedule"), L"20,10,;,");
  EXPECT_EQ(Value(pref, L"capture", L"cpuschedule"), L";,");
  EXPECT_EQ(Value(pref, L"capture", L"molschedule"), L"5,7,;,");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(PreferencePages, BackingOffMinutesOutsideTenToFifteenArePutBack) {
  PreferenceProgram pref;
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  HWND box = P::Control(main, IDC_txtBakkin), bar = P::Control(main, IDC_scrBakkin);
  const struct {
    const wchar_t* typed;
    const wchar_t* shown;
  } cases[] = {{L"9", L"15"}, {L"16", L"15"}, {L"abc", L"15"}, {L"12", L"12"}, {L"70000", L"12"}};
  for (const auto& c : cases) {
    SetText(main, IDC_txtBakkin, c.typed);
    ::SendMessageW(box, WM_KILLFOCUS, 0, 0);  // leaving the box
    EXPECT_EQ(WindowText(box), c.shown) << c.typed;
  }
  EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 10 + 15 - 12) << "the bar follows (its upper arrow raises)";
  ::SendMessageW(::GetParent(bar), WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(WindowText(box), L"13");
  Click(main, IDC_cmdOK1);
  EXPECT_EQ(Value(pref, L"save", L"bakkin"), L"13");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(PreferencePages, FoldersAreCheckedAndStoredInTheirForms) {
  PreferenceProgram pref;
  const std::wstring agent = pref.File(L"agent"), other = pref.File(L"other"), captures = pref.File(L"caps");
  for (const std::wstring& folder : {agent, other, captures}) ::CreateDirectoryW(folder.c_str(), nullptr);
  WriteBytes(agent + L"\\tkcp.ud", "save");
  WriteBytes(pref.File(L"Vantor.ini"),
             "[save]\r\nfolder=" + Ansi(agent) + "\r\ncheck=1\r\n[capture]\r\nfolder=" + Ansi(captures) + "\r\n");
  // One choice per start: the browser opens on the folder the page shows.
  const auto choose = [&](int button, const std::wstring& shown, const std::function<void(const Process&, HWND)>& check) {
    Process p = pref.Start();
    HWND main = P::MainWindow(p);
    ASSERT_NE(main, nullptr);
    SetText(main, button == IDC_cmdUDA ? IDC_txtUDA : IDC_txtCapture, shown);
    ChooseShownFolder(p, main, button);
    check(p, main);
    Click(main, IDC_cmdOK1);
    Click(main, IDC_cmdCancel);
    EXPECT_TRUE(p.Wait(10000));
  };

  // The agent's folder is shown with a backslash and stored without.
  choose(IDC_cmdUDA, agent, [&](const Process& p, HWND main) {
    EXPECT_EQ(Text(main, IDC_txtUDA), agent + L"\\");
    EXPECT_EQ(WaitForDialog(p, main, 500), nullptr) << "no message";
  });
  EXPECT_EQ(Value(pref, L"save", L"folder"), agent);
  EXPECT_EQ(Value(pref, L"save", L"check"), L"1");

  // The capture folder is stored with its backslash.
  choose(IDC_cmdCapture, captures, [&](const Process&, HWND main) {
    EXPECT_EQ(Text(main, IDC_txtCapture), captures + L"\\");
  });
  EXPECT_EQ(Value(pref, L"capture", L"folder"), captures + L"\\");

  // A folder without the agent's save file is refused and switches the watch off.
  choose(IDC_cmdUDA, other, [&](const Process& p, HWND main) {
    HWND box = WaitForDialog(p, main);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), L"UDAgentのセーブファイルが見つかりません。");
    EXPECT_EQ(WindowText(box), L"Vantor");
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_FALSE(Ticked(main, IDC_CheckSaveFile));
  });
  EXPECT_EQ(Value(pref, L"save", L"folder"), agent) << "the old folder stays";
  EXPECT_EQ(Value(pref, L"save", L"check"), L"0");
}

// history.csv as a spreadsheet saves it again: in the ANSI code page without the byte-order
// mark, with times in its own form. The two pictures carry what they show as their texts.
TEST(PreferenceHistory, ASpreadsheetsSaveReadsWholeAndThePicturesSayWhatTheyShow) {
  PreferenceProgram pref;
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  const std::wstring day = std::to_wstring(now.wYear) + L"/" + std::to_wstring(now.wMonth) + L"/" + std::to_wstring(now.wDay);
  WriteBytes(pref.File(L"history.csv"), Ansi(L"task,started,ended,seconds,first_percent,last_percent,end\r\nオパール," + day + L" 0:05," +
                                             day + L" 0:45,2400,1,100,finished\r\nオパール," + day + L" 0:45:00," + day +
                                             L" 00:46:00,60,98,100,finished\r\n"));
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  P::SelectNode(main, P::Nodes(main)[9]);
  EXPECT_EQ(Text(main, IDC_labHistoryUnreadable), L"") << "no line is left unread";
  EXPECT_EQ(Text(main, IDC_picHistoryChart).find(L"最近2ユニットの所要時間のグラフ（" + day + L" 0:05～" + day + L" 0:46）"), 0u);
  EXPECT_EQ(Text(main, IDC_picHistorySummary),
            L"オパール：完了は7日間に2、30日間に2（うち途中から見たユニット1）、最初から見て完了したユニットの所要時間の中央値は40分。");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(PreferenceLogon, EachStateAsThePageShowsItAndATickWritesTheRunValue) {
  const wchar_t *run = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                *approved = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
  PreferenceProgram pref;
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  const wchar_t* shots = _wgetenv(L"VANTOR_SCREENSHOTS");
  const auto shown = [&, nodes = P::Nodes(main)](const std::wstring& picture) {
    P::SelectNode(main, nodes[0]);  // another page, then その他 again
    P::SelectNode(main, nodes[6]);
    if (shots && *shots && !WaitUntil([] { return false; }, 400)) {
      SaveWindowPicture(main, std::wstring(shots) + L"\\preference-logon-" + picture + L".bmp");
    }
    std::wstring note = Text(main, IDC_labLogonNote);
    std::erase_if(note, [](wchar_t c) { return c == L'\r' || c == L'\n'; });
    return std::pair(Ticked(main, IDC_CheckLogon), note);
  };
  const std::wstring mine = L"\"" + pref.File(L"Vantor.exe") + L"\"", other = L"D:\\Programs\\Vantor-2.0\\Vantor.exe";
  const BYTE off[12] = {3, 0, 0, 0, 0x17, 0x79, 0xBD, 0x01, 0x17, 0xD9, 0xD1, 0x01};
  const struct {
    const wchar_t* state;
    const std::wstring* value;
    std::wstring note;
  } steps[] = {{L"absent", nullptr, L""},
               {L"switched-off", &mine, L"タスクマネージャーで無効にされています"},
               {L"other-folder", &other, L"別のフォルダのVantorが登録されています：" + other}};
  for (const auto& step : steps) {
    for (const wchar_t* key : {run, approved}) ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key, L"Vantor");
    if (step.value) ::RegSetKeyValueW(HKEY_CURRENT_USER, run, L"Vantor", REG_SZ, step.value->c_str(), 2 * step.value->size() + 2);
    if (step.value == &mine) ::RegSetKeyValueW(HKEY_CURRENT_USER, approved, L"Vantor", REG_BINARY, off, sizeof(off));
    EXPECT_EQ(shown(step.state), std::pair(false, step.note)) << step.state;
    Click(main, IDC_CheckLogon);
    Click(main, IDC_cmdOK1);
    wchar_t value[300] = {};
    DWORD size = sizeof(value);
    ::RegGetValueW(HKEY_CURRENT_USER, run, L"Vantor", RRF_RT_REG_SZ, nullptr, value, &size);
    EXPECT_EQ(value, mine) << step.state;
    EXPECT_EQ(shown(L"this-folder"), std::pair(true, std::wstring())) << step.state;
  }
  ::RegDeleteKeyValueW(HKEY_CURRENT_USER, run, L"Vantor");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

}  // namespace
}  // namespace vantor::test
