// The bookmark file on disk: ANSI code page, safe replacement, creation only when missing, and
// the three outcomes of a read.
#include <gtest/gtest.h>

#include <thread>

#include "common/core/History.h"
#include "common/win/WinTextFiles.h"
#include "station/win/WinHistoryRecord.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

// A handle of the file as another program keeps it open: with `share` only.
OwnedFile Hold(const std::wstring& path, DWORD share) {
  return OwnedFile(::CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST(TextFiles, ReadWriteInTheAnsiCodePage) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  EXPECT_EQ(files.ReadText(path).outcome, TextReadOutcome::Missing);
  EXPECT_EQ(files.ReadText(folder / L"no\\such\\links.lst").outcome, TextReadOutcome::Missing);
  const std::wstring text = L"ホーム,http://example.com/\r\n検索,http://example.org/?q=1\r\n";
  ASSERT_TRUE(files.WriteText(path, text));
  EXPECT_EQ(test::ReadBytes(path), test::Ansi(text));
  const TextRead read = files.ReadText(path);
  EXPECT_EQ(read.outcome, TextReadOutcome::Whole);
  EXPECT_EQ(read.text, text);
  EXPECT_FALSE(test::Exists(path + L".new"));
  ASSERT_TRUE(files.WriteText(path, L""));
  EXPECT_EQ(files.ReadText(path).outcome, TextReadOutcome::Whole) << "an empty file is read whole";
  EXPECT_EQ(files.ReadText(path).text, L"");

  LinkList list;
  ASSERT_TRUE(files.WriteText(path, text));
  LoadLinks(files, path, list);
  ASSERT_EQ(list.LinkCount(), 3);
  EXPECT_TRUE(list.ReadWhole);
  EXPECT_EQ(list.Entry(1).Title, L"ホーム");
}

TEST(TextFiles, CreateOnlyWhenMissingAndAFailedReplaceKeepsTheOldFile) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  ASSERT_TRUE(files.CreateText(path, L"a,b\r\n"));
  EXPECT_FALSE(files.CreateText(path, L"c,d\r\n"));
  EXPECT_EQ(files.ReadText(path).text, L"a,b\r\n");

  // A target that cannot be replaced (here a folder of that name) reports the failure and
  // leaves no half-written file behind; it is no sharing violation, so it fails at once.
  const std::wstring blocked = folder / L"blocked.lst";
  ::CreateDirectoryW(blocked.c_str(), nullptr);
  const ULONGLONG start = ::GetTickCount64();
  EXPECT_FALSE(files.WriteText(blocked, L"x,y\r\n"));
  EXPECT_LT(::GetTickCount64() - start, 500u);
  EXPECT_FALSE(test::Exists(blocked + L".new"));
  EXPECT_FALSE(files.WriteText(folder / L"no\\such\\links.lst", L"a,b\r\n"));
  EXPECT_NE(files.ReadText(blocked).outcome, TextReadOutcome::Missing) << "a folder there is no missing file";
}

TEST(TextFiles, AFileHeldWithoutSharingIsNeverTakenForMissingNorReplaced) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  const std::string two = "A,http://a/\r\nB,http://b/\r\n";
  test::WriteBytes(path, two);
  {
    OwnedFile held = Hold(path, 0);  // a virus scanner or a sync client
    ASSERT_TRUE(held);
    const TextRead read = files.ReadText(path);
    EXPECT_EQ(read.outcome, TextReadOutcome::Partial);
    EXPECT_EQ(read.text, L"");
    LinkList list;
    LoadLinks(files, path, list);
    EXPECT_FALSE(list.ReadWhole);
    EXPECT_EQ(list.LinkCount(), 1);
    // The replace waits up to a second for the holder, then fails and leaves the file whole.
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_FALSE(files.WriteText(path, L""));
    const ULONGLONG waited = ::GetTickCount64() - start;
    EXPECT_GE(waited, 900u);
    EXPECT_LT(waited, 3000u);
    EXPECT_FALSE(test::Exists(path + L".new"));
    // Only the file's data is held: its time can still be set.
    EXPECT_TRUE(files.Touch(path));
  }
  EXPECT_EQ(test::ReadBytes(path), two) << "nothing was created over it, nothing replaced it";
}

TEST(TextFiles, AReaderNeverBlocksTheReplaceAndABriefHoldIsWaitedOut) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  test::WriteBytes(path, "A,1\r\n");
  // Another copy reading the file at that moment, with the reader's sharing (Windows replaces
  // the file under it at once; Wine replaces no open file, so there the replace waits until the
  // read is done), and a program that holds it without sharing its deletion for a moment.
  const struct {
    DWORD access, share;
    const char* text;
    std::wstring expected;
  } holders[] = {{GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, "B,2\r\n", L"B,2\r\n"},
                 {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, "C,3\r\n", L"C,3\r\n"}};
  for (const auto& h : holders) {
    OwnedFile held(::CreateFileW(path.c_str(), h.access, h.share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    std::thread release([&] {
      ::Sleep(300);
      held.Reset();
    });
    const bool written = files.WriteText(path, h.expected);
    release.join();
    EXPECT_TRUE(written) << h.text;
    EXPECT_EQ(test::ReadBytes(path), h.text);
    EXPECT_FALSE(test::Exists(path + L".new"));
  }
}

TEST(TextFiles, TouchGivesANewTimeAndKeepsTheBytes) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  test::WriteBytes(path, "A,1\r\n");
  FILETIME old{1, 1};
  {
    OwnedFile file(::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file);
    ::SetFileTime(file.Get(), nullptr, nullptr, &old);
  }
  ASSERT_TRUE(files.Touch(path));
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
  EXPECT_GT(data.ftLastWriteTime.dwHighDateTime, 1u);
  EXPECT_EQ(test::ReadBytes(path), "A,1\r\n");
  EXPECT_FALSE(files.Touch(folder / L"missing.lst"));
}

TEST(TextFiles, OnlyTextThatSurvivesTheAnsiCodePageFits) {
  for (const wchar_t* text : {L"", L"Home,http://example.com/?q=a b", L"ホーム　検索", L"C:\\ゲーム\\音.wav", L"①Ⅱ"}) {
    EXPECT_TRUE(FitsAnsiCodePage(text)) << test::Ansi(text);
  }
  // Hangul, the euro sign, a letter with a stroke that best fit would make an "o", an emoji.
  for (const wchar_t* text : {L"한국어", L"€", L"C:\\Musik\\Bjørk.wav", L"\U0001F600", L"a\u00A0b"}) {
    EXPECT_FALSE(FitsAnsiCodePage(text)) << test::Ansi(text);
  }
}

// The record of the units: appends in the encoding the file holds, and why one cannot go in;
// the side file of rows that wait, replaced whole and removed.
TEST(TextFiles, TheRecordGoesOnInItsOwnEncodingAndSaysWhyARowCannotGoIn) {
  test::TempFolder folder{L"record"};
  WinHistoryRecord record;
  const std::wstring path = folder / L"history.csv";
  const std::string row = ToUtf8(L"オパール,2004-03-07 09:05:03,2004-03-07 15:10:00,21897,1,100,finished\r\n");
  ASSERT_EQ(record.Append(path, HistoryHeader(), row), AppendResult::Written);
  EXPECT_EQ(test::ReadBytes(path), HistoryHeader() + row);
  // Saved again by a spreadsheet: CP932 without the mark, its own dates, no line end at the end.
  const std::string saved = test::Ansi(L"task,started\r\nオパール,2004/3/7 9:05,2004/3/7 15:10");
  test::WriteBytes(path, saved);
  ASSERT_EQ(record.Append(path, HistoryHeader(), row), AppendResult::Written);
  EXPECT_EQ(test::ReadBytes(path), saved + "\r\n" + test::Ansi(FromUtf8(row)));
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(record.Append(path, HistoryHeader(), row), AppendResult::ReadOnly);
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  const OwnedFile held = Hold(path, 0);
  EXPECT_EQ(record.Append(path, HistoryHeader(), row), AppendResult::Held);
  EXPECT_EQ(record.Append(folder / L"no\\such\\history.csv", HistoryHeader(), row), AppendResult::Failed);
  const std::wstring waiting = folder / L"history-waiting.csv";
  EXPECT_EQ(record.ReadAll(waiting), std::nullopt);
  ASSERT_TRUE(record.Replace(waiting, HistoryHeader() + row) && record.Replace(waiting, HistoryHeader() + row + row));
  EXPECT_EQ(record.ReadAll(waiting), HistoryHeader() + row + row);
  EXPECT_TRUE(record.Delete(waiting) && !test::Exists(waiting));
  EXPECT_TRUE(record.Delete(waiting)) << "nothing there is gone as well";
}

}  // namespace
}  // namespace vantor
