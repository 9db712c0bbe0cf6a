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

  // Both checks carry the adding title, from either button.
  const struct {
    const wchar_t *title, *url;
    int button;
    const wchar_t* message;
  } refused[] = {{L"X", L"", IDC_cmdLinkAdd, L"タイトルとURLを入力してください。"},
                 {L"X,Y", L"http://x/", IDC_cmdLinkAdd, L"タイトル、URLにカンマは記述できません。"},
                 {L"", L"http://x/", IDC_cmdLinkChange, L"タイトルとURLを入力してください。"}};
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
