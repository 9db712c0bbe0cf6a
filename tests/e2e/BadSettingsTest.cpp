// Hand-edited settings files never bring Vantor down.
#include <gtest/gtest.h>

#include "tests/e2e/VantorProgram.h"

namespace vantor::test {
namespace {

TEST(BadSettings, AnUnreadableValueAtStartUpIsReportedAndVantorRunsOn) {
  struct Case {
    const char* content;
    bool reloadFails;  // the value is a main setting, which the first tick reads again
  };
  const Case cases[] = {{"[save]\r\nbakkin=abc\r\n", true},
                        {"[capture]\r\ndelay_cpu=70000\r\n", true},
                        {"[color]\r\nback=99999999999\r\n", true},
                        {"[window]\r\ntop=upper\r\n", false}};
  for (const auto& [content, reloadFails] : cases) {
    VantorProgram vantor;
    WriteBytes(vantor.File(L"Vantor.ini"), content);
    Process p = vantor.Start();
    HWND box = vantor.WaitForMessageBox(p);
    ASSERT_NE(box, nullptr) << content;
    EXPECT_EQ(WindowText(box), L"Vantor Error");
    EXPECT_EQ(MessageText(box), L"Vantor起動中にエラーが発生しました。");
    CloseMessageBox(box);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    if (reloadFails) {
      // Start-up stopped before it took the files' time stamps, so the first tick (which runs
      // while the start-up's message waits) sees the settings files as new and reloads them:
      // the same value fails once more, once, told when the first message is closed.
      box = vantor.WaitForMessageBox(p, 10000);
      ASSERT_NE(box, nullptr) << content;
      EXPECT_TRUE(WaitUntil([&] { return MessageText(box) == L"エラーが-CheckLinkListTimeStamp-で発生しました。"; }))
          << content;
      CloseMessageBox(box);
      ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
    }
    ::Sleep(1500);  // a tick or more
    EXPECT_EQ(vantor.WaitForMessageBox(p, 0), nullptr) << content;
    EXPECT_TRUE(TrayHolds(FindProcessWindow(p.Id(), L"VantorTrayIcon"))) << "the way to the menu; " << content;
    EXPECT_TRUE(p.Running()) << content;
    EXPECT_TRUE(vantor.Exit(p));
    EXPECT_EQ(ReadBytes(vantor.File(L"Vantor.ini")), content) << "the file is kept as it was";
  }
}

TEST(BadSettings, LongAndJapaneseValuesAreNoError) {
  VantorProgram vantor;
  WriteBytes(vantor.File(L"Vantor.ini"), "[sound]\r\nfilename1=" + std::string(1100, 'w') +
                                             "\r\n[save]\r\nfolder=" + Ansi(L"D:\\グリッド\\エージェント") +
                                             "\r\nbakkin= 14 \r\n");
  Process p = vantor.Start();
  EXPECT_EQ(vantor.WaitForMessageBox(p, 2500), nullptr);
  EXPECT_TRUE(p.Running());
  EXPECT_TRUE(vantor.Exit(p));
}

TEST(BadSettings, ABadValueSavedLaterIsReportedOnceByTheReload) {
  VantorProgram vantor;
  // The removal of a left-over priority.ini shows that start-up has passed the settings.
  WriteBytes(vantor.File(L"priority.ini"), "[priority]\r\n");
  Process p = vantor.Start();
  ASSERT_TRUE(WaitUntil([&] { return !Exists(vantor.File(L"priority.ini")); }));
  // File times count in whole seconds: the new files must not share the second in which
  // start-up wrote the default links.lst.
  ::Sleep(1500);
  WriteBytes(vantor.File(L"Vantor.ini"), "[save]\r\nbakkin=fifteen\r\n");
  WriteBytes(vantor.File(L"links.lst"), "Home,http://example.com/\r\n");
  HWND box = vantor.WaitForMessageBox(p, 10000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageText(box), L"エラーが-CheckLinkListTimeStamp-で発生しました。");
  ::Sleep(2500);  // ticks go on while the box is open; no second box piles up
  EXPECT_EQ(CountProcessWindows(p.Id(), L"#32770"), 1);
  CloseMessageBox(box);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  ::Sleep(1500);
  HWND again = vantor.WaitForMessageBox(p, 0);
  EXPECT_EQ(again, nullptr) << "the failed change is not retried: " << testing::PrintToString(MessageText(again));
  EXPECT_TRUE(vantor.Exit(p));
}

}  // namespace
}  // namespace vantor::test
