// Preference's bookmark page: the edits, their checks and questions, and what "適用 (&A)"
// makes of them in links.lst and in the running Vantor's menu.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include "resources/preference_ids.h"
#include "station/win/PopupMenu.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

using P = PreferenceProgram;


// Selects item `index` of lstLink as a click does.
void Select(HWND main, int index) {
  HWND list = P::Control(main, IDC_lstLink);
  ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageW(::GetParent(list), WM_COMMAND, MAKEWPARAM(IDC_lstLink, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

std::wstring Items(HWND main, int id) {
  HWND list = P::Control(main, id);
  std::wstring all;
  const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t item[256] = {};
    ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item));
    all += std::wstring(item) + L"|";
  }
  return all;
}

// Clicks `button` (posted: it may open a box) and returns the message box that opens.
HWND ClickForBox(const Process& p, HWND main, int button) {
  ::PostMessageW(P::Control(main, button), BM_CLICK, 0, 0);
  return WaitForDialog(p, main);
}

TEST(PreferenceBookmarks, EditsKeepBothListsInStepAndAreCheckedAndAsked) {
  PreferenceProgram pref;
  WriteBytes(pref.File(L"links.lst"), "A,http://a/\r\nB,http://b/\r\nC,http://c/\r\n");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Items(main, IDC_lstLink2), L"A,http://a/|B,http://b/|C,http://c/|");
  Select(main, 1);
  Click(main, IDC_cmdLinkUP);
  EXPECT_EQ(Items(main, IDC_lstLink), L"B|A|C|");
  EXPECT_EQ(Items(main, IDC_lstLink2), L"B,http://b/|A,http://a/|C,http://c/|");
  EXPECT_EQ(::SendMessageW(P::Control(main, IDC_lstLink), LB_GETCURSEL, 0, 0), 0) << "B stays selected";
  Select(main, 2);
  Click(main, IDC_cmdLinkDown);
  EXPECT_EQ(Items(main, IDC_lstLink), L"B|A|C|") << "the last entry stays";

  // Deleting asks; No keeps the entry, Yes removes it.
  Select(main, 1);
  for (const int answer : {IDNO, IDYES}) {
    HWND box = ClickForBox(p, main, IDC_cmdLinkDelete);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), L"アイテムの削除");
    EXPECT_EQ(MessageText(box), L"選択したアイテムを削除します。よろしいですか？");
    ::SendMessageW(::GetDlgItem(box, answer), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  }
  EXPECT_EQ(Items(main, IDC_lstLink2), L"B,http://b/|C,http://c/|");
  Select(main, 1);
  EXPECT_EQ(Text(main, IDC_txtLinkTitle), L"C");
  EXPECT_EQ(Text(main, IDC_txtLinkURL), L"http://c/");

  // Every check carries the adding title, from either button. Text that links.lst (in the ANSI
  // code page) cannot hold is refused and named, so that no "?" reaches the file.
  const std::wstring notInCodePage =
      L"次の文字列には、設定ファイルに保存できない文字（この環境の文字コードにない文字）が含まれているため、使えません。\n";
  const struct {
    const wchar_t *title, *url;
    int button;
    std::wstring message;
  } refused[] = {{L"X", L"", IDC_cmdLinkAdd, L"タイトルとURLを入力してください。"},
                 {L"X,Y", L"http://x/", IDC_cmdLinkAdd, L"タイトル、URLにカンマは記述できません。"},
                 {L"", L"http://x/", IDC_cmdLinkChange, L"タイトルとURLを入力してください。"},
                 {L"한국어", L"http://ko/", IDC_cmdLinkAdd, notInCodePage + L"한국어"},
                 {L"Euro", L"http://x/€", IDC_cmdLinkAdd, notInCodePage + L"http://x/€"},
                 {L"Bjørk", L"http://b/", IDC_cmdLinkChange, notInCodePage + L"Bjørk"}};
  for (const auto& r : refused) {
    SetText(main, IDC_txtLinkTitle, r.title);
    SetText(main, IDC_txtLinkURL, r.url);
    HWND box = ClickForBox(p, main, r.button);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), L"アイテムの追加");
    EXPECT_EQ(MessageText(box), r.message);
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  }
  SetText(main, IDC_txtLinkTitle, L"D");
  SetText(main, IDC_txtLinkURL, L"http://d/");
  Click(main, IDC_cmdLinkChange);
  EXPECT_EQ(Items(main, IDC_lstLink2), L"B,http://b/|D,http://d/|");

  // Unsaved edits vanish on the next visit of the page; saved ones stay.
  Click(main, IDC_cmdOK1);
  EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), "B,http://b/\r\nD,http://d/\r\n");
  Click(main, IDC_cmdLinkAdd);
  EXPECT_EQ(Items(main, IDC_lstLink), L"B|D|D|");
  const std::vector<HTREEITEM> nodes = P::Nodes(main);
  P::SelectNode(main, nodes[6]);
  P::SelectNode(main, nodes[7]);
  EXPECT_EQ(Items(main, IDC_lstLink), L"B|D|");
  // So does a click on the page's node while it is the one selected.
  Click(main, IDC_cmdLinkAdd);
  ASSERT_EQ(Items(main, IDC_lstLink), L"B|D|D|");
  P::ClickNode(main, nodes[7]);
  EXPECT_EQ(Items(main, IDC_lstLink), L"B|D|");
  EXPECT_EQ(P::VisiblePages(main), std::vector<int>{6});
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

// Waits for the message box that is open now, checks its text, answers it and waits until it
// is gone.
void Answer(const Process& p, HWND main, const std::wstring& text, int button) {
  HWND box = WaitForDialog(p, main);
  ASSERT_NE(box, nullptr) << testing::PrintToString(text);
  EXPECT_EQ(MessageText(box), text);
  ::SendMessageW(::GetDlgItem(box, button), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
}

TEST(PreferenceBookmarks, AFileHeldByAnotherProgramAtStartIsNeverEmptied) {
  PreferenceProgram pref;
  const std::string two = "A,http://a/\r\nB,http://b/\r\n";
  WriteBytes(pref.File(L"links.lst"), two);
  // A virus scanner or a sync client holds the file open without sharing while Preference starts.
  OwnedFile held(::CreateFileW(pref.File(L"links.lst").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  Answer(p, main,
         L"links.lstを最後まで読み取れませんでした。ほかのプログラムが使用中の可能性があります。"
         L"読み取れたブックマークだけを表示しています。",
         IDOK);
  EXPECT_EQ(Items(main, IDC_lstLink), L"");
  held.Reset();  // released before the user saves
  const auto writeTime = [&] {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExW(pref.File(L"links.lst").c_str(), GetFileExInfoStandard, &data);
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
  };
  const ULONGLONG before = writeTime();
  ::Sleep(1100);

  // OK asks before it replaces the file; "No" keeps it as it is, and the window ends.
  ::PostMessageW(P::Control(main, IDC_cmdOK0), BM_CLICK, 0, 0);
  Answer(p, main,
         L"links.lstは最後まで読み取れていません。表示しているブックマークでlinks.lstを置き換えますか？\n"
         L"「いいえ」を選ぶと、links.lstはそのまま残ります。",
         IDNO);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), two) << "both bookmarks are still there";
  EXPECT_TRUE(Exists(pref.File(L"Vantor.ini"))) << "the settings were saved";
  EXPECT_GT(writeTime(), before) << "the file's new time still tells the monitor to reload the settings";

  // Started again with the file free, everything is read and saved without a question.
  Process again = pref.Start();
  main = P::MainWindow(again);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Items(main, IDC_lstLink), L"A|B|");
  Click(main, IDC_cmdOK1);
  EXPECT_EQ(WaitForDialog(again, main, 500), nullptr);
  EXPECT_EQ(ReadBytes(pref.File(L"links.lst")), two);
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(again.Wait(10000));
}

TEST(PreferenceBookmarks, AYesReplacesTheFileWithWhatIsShownAndLaterSavesAskNothing) {
  PreferenceProgram pref;
  WriteBytes(pref.File(L"links.lst"), "A,http://a/\r\nB,http://b/\r\n");
  OwnedFile held(::CreateFileW(pref.File(L"links.lst").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(held);
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  HWND box = WaitForDialog(p, main);
  ASSERT_NE(box, nullptr);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  held.Reset();
  SetText(main, IDC_txtLinkTitle, L"C");
  SetText(main, IDC_txtLinkURL, L"http://c/");
  Click(main, IDC_cmdLinkAdd);
  ::PostMessageW(P::Control(main, IDC_cmdOK1), BM_CLICK, 0, 0);
  HWND question = WaitForDialog(p, main);
  ASSERT_NE(question, nullptr);
  ::SendMessageW(::GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(question); }));
  ASSERT_TRUE(WaitUntil([&] { return ReadBytes(pref.File(L"links.lst")) == "C,http://c/\r\n"; }, 3000))
      << "the user agreed: the file holds what was shown";
  // Read whole from now on: a later save asks nothing.
  Click(main, IDC_cmdOK1);
  EXPECT_EQ(WaitForDialog(p, main, 500), nullptr);
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

TEST(PreferenceBookmarks, AnAddedBookmarkReachesVantorsMenuAndUnreadLinesAreKept) {
  VantorProgram vantor;
  ::CopyFileW((BinFolder() + L"\\agent.exe").c_str(), vantor.File(L"added.exe").c_str(), FALSE);
  WriteBytes(vantor.File(L"links.lst"), "A,http://a/\r\nno comma here\r\nB,http://b/\r\n");
  Process monitor = vantor.StartAndSettle();
  PreferenceProgram pref(vantor.Folder().Path());
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Items(main, IDC_lstLink), L"A|");
  SetText(main, IDC_txtLinkTitle, L"Added");
  SetText(main, IDC_txtLinkURL, vantor.File(L"added.exe"));
  Click(main, IDC_cmdLinkAdd);
  Click(main, IDC_cmdOK1);
  EXPECT_EQ(ReadBytes(vantor.File(L"links.lst")),
            "A,http://a/\r\nAdded," + Ansi(vantor.File(L"added.exe")) + "\r\nno comma here\r\nB,http://b/\r\n")
      << "the lines after the one that could not be read are kept";
  ::Sleep(2000);
  vantor.Command(monitor, kCmdLinkBase + 2);
  EXPECT_TRUE(WaitUntil([&] { return ProcessesNamed(L"added.exe").size() == 1; }, 5000));
  EndProcessesNamed(L"added.exe");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_TRUE(vantor.Exit(monitor));
}

}  // namespace
}  // namespace vantor::test
