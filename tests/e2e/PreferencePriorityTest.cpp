// Preference's priority page: the push button writes and deletes priority.ini at once, the
// interval reaches Vantor.ini while it is pressed, and an existing file is taken up again.
#include <gtest/gtest.h>

#include "common/win/Windows.h"

#include <commctrl.h>

#include "resources/preference_ids.h"
#include "tests/e2e/PreferenceProgram.h"
#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

using P = PreferenceProgram;

bool Ticked(HWND main, int id) { return ::SendMessageW(P::Control(main, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
LRESULT Selection(HWND main, int id) { return ::SendMessageW(P::Control(main, id), CB_GETCURSEL, 0, 0); }

std::wstring Value(const PreferenceProgram& pref, const wchar_t* file, const wchar_t* key) {
  wchar_t value[64] = {};
  ::GetPrivateProfileStringW(L"priority", key, L"", value, 64, pref.File(file).c_str());
  return value;
}

TEST(PreferencePriority, ThePushButtonWritesAndDeletesTheFileAndTheIntervalGoesOutAtOnce) {
  PreferenceProgram pref;
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(::IsWindowEnabled(P::Control(main, IDC_CheckPriority)));
  EXPECT_EQ(Selection(main, IDC_ComboPriUDA), 2) << "低";
  Click(main, IDC_CheckPriPermission);
  for (int id : {IDC_CheckPriUDA, IDC_ComboPriUDA, IDC_CheckPriEXE, IDC_ComboPriEXE, IDC_cmdPriEXE, IDC_SlidPriFreq,
                 IDC_CheckPriority}) {
    EXPECT_TRUE(::IsWindowEnabled(P::Control(main, id))) << id;
  }
  Click(main, IDC_CheckPriUDA);
  Click(main, IDC_CheckPriEXE);  // no program named: stays unticked
  EXPECT_FALSE(Ticked(main, IDC_CheckPriEXE));
  HWND combo = P::Control(main, IDC_ComboPriUDA);
  ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
  ::SendMessageW(::GetParent(combo), WM_COMMAND, MAKEWPARAM(IDC_ComboPriUDA, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  EXPECT_FALSE(Exists(pref.File(L"priority.ini"))) << "nothing is written before the button is pressed";

  Click(main, IDC_CheckPriority);
  ASSERT_TRUE(Exists(pref.File(L"priority.ini")));
  EXPECT_EQ(ReadBytes(pref.File(L"priority.ini")),
            "[priority]\r\nudachange=1\r\nudapriority=0\r\nexechange=0\r\nexepriority=2\r\n");
  HWND slider = P::Control(main, IDC_SlidPriFreq);
  ::SendMessageW(slider, TBM_SETPOS, TRUE, 3);
  ::SendMessageW(::GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 3), reinterpret_cast<LPARAM>(slider));
  EXPECT_EQ(Value(pref, L"Vantor.ini", L"frequency"), L"3") << "written at once, before any save";
  EXPECT_EQ(WindowText(P::Control(main, IDC_labPriFreqsec)), L"3");

  Click(main, IDC_CheckPriority);
  EXPECT_FALSE(Exists(pref.File(L"priority.ini")));
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_FALSE(Exists(pref.File(L"priority.ini")));
}

TEST(PreferencePriority, AnExistingFileIsTakenUpAndALevelNoEntryShowsIsKept) {
  PreferenceProgram pref;
  WriteBytes(pref.File(L"priority.ini"), "[priority]\r\nudachange=1\r\nudapriority=5\r\nexechange=1\r\nexepriority=0\r\n");
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(Ticked(main, IDC_CheckPriPermission));
  EXPECT_TRUE(Ticked(main, IDC_CheckPriority));
  EXPECT_TRUE(Ticked(main, IDC_CheckPriUDA));
  EXPECT_FALSE(Ticked(main, IDC_CheckPriEXE)) << "no other program is named";
  EXPECT_EQ(Selection(main, IDC_ComboPriUDA), 2) << "the list stays as it was";
  EXPECT_EQ(Selection(main, IDC_ComboPriEXE), 0);
  EXPECT_EQ(Value(pref, L"priority.ini", L"udapriority"), L"5");
  EXPECT_EQ(Value(pref, L"priority.ini", L"exechange"), L"0");
  EXPECT_EQ(Value(pref, L"priority.ini", L"udachange"), L"1");
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
  EXPECT_TRUE(Exists(pref.File(L"priority.ini"))) << "cancel leaves fixing on";
}

TEST(PreferencePriority, AFileThatCannotBeWrittenOrDeletedIsToldAndTheButtonShowsItsState) {
  PreferenceProgram pref;
  const std::wstring notWritten =
      L"priority.iniを書き込めないか、削除できませんでした。ほかのプログラムが使用中か、書き込みが禁止されている可能性があります。"
      L"「優先度を固定」はファイルの今の状態を表しています。";
  // A folder where the file must be written: pressing the button cannot switch fixing on.
  ::CreateDirectoryW(pref.File(L"priority.ini").c_str(), nullptr);
  Process p = pref.Start();
  HWND main = P::MainWindow(p);
  ASSERT_NE(main, nullptr);
  Click(main, IDC_CheckPriPermission);
  ::PostMessageW(P::Control(main, IDC_CheckPriority), BM_CLICK, 0, 0);
  HWND box = WaitForDialog(p, main);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), notWritten);
  CloseMessageBox(box);
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_FALSE(Ticked(main, IDC_CheckPriority)) << "no file: the button is released";

  // The file written, then held by another program when the button is released.
  ::RemoveDirectoryW(pref.File(L"priority.ini").c_str());
  Click(main, IDC_CheckPriority);
  ASSERT_TRUE(Exists(pref.File(L"priority.ini")));
  ASSERT_TRUE(Ticked(main, IDC_CheckPriority));
  {
    OwnedFile held(::CreateFileW(pref.File(L"priority.ini").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    ::PostMessageW(P::Control(main, IDC_CheckPriority), BM_CLICK, 0, 0);
    box = WaitForDialog(p, main);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageText(box), notWritten);
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    EXPECT_TRUE(Exists(pref.File(L"priority.ini")));
    EXPECT_TRUE(Ticked(main, IDC_CheckPriority)) << "the file stays, Vantor goes on fixing: the button says so";
  }
  Click(main, IDC_CheckPriority);
  EXPECT_FALSE(Exists(pref.File(L"priority.ini")));
  EXPECT_FALSE(Ticked(main, IDC_CheckPriority));
  Click(main, IDC_cmdCancel);
  EXPECT_TRUE(p.Wait(10000));
}

}  // namespace
}  // namespace vantor::test
