// The bookmark file on disk: ANSI code page, safe replacement, creation only when missing.
#include <gtest/gtest.h>

#include "common/win/WinTextFiles.h"
#include "tests/support/Harness.h"

namespace vantor {
namespace {

TEST(TextFiles, ReadWriteInTheAnsiCodePage) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  EXPECT_FALSE(files.ReadText(path).has_value());
  const std::wstring text = L"ホーム,http://example.com/\r\n検索,http://example.org/?q=1\r\n";
  ASSERT_TRUE(files.WriteText(path, text));
  EXPECT_EQ(test::ReadBytes(path), test::Ansi(text));
  EXPECT_EQ(files.ReadText(path), text);
  EXPECT_FALSE(test::Exists(path + L".new"));
  ASSERT_TRUE(files.WriteText(path, L""));
  EXPECT_EQ(files.ReadText(path), L"") << "an empty file reads as empty text";

  LinkList list;
  ASSERT_TRUE(files.WriteText(path, text));
  LoadLinks(files, path, list);
  ASSERT_EQ(list.LinkCount(), 3);
  EXPECT_EQ(list.Entry(1).Title, L"ホーム");
}

TEST(TextFiles, CreateOnlyWhenMissingAndAFailedReplaceKeepsTheOldFile) {
  test::TempFolder folder{L"links"};
  WinTextFiles files;
  const std::wstring path = folder / L"links.lst";
  ASSERT_TRUE(files.CreateText(path, L"a,b\r\n"));
  EXPECT_FALSE(files.CreateText(path, L"c,d\r\n"));
  EXPECT_EQ(files.ReadText(path), L"a,b\r\n");

  // A target that cannot be replaced (here a folder of that name) reports the failure and
  // leaves no half-written file behind.
  const std::wstring blocked = folder / L"blocked.lst";
  ::CreateDirectoryW(blocked.c_str(), nullptr);
  EXPECT_FALSE(files.WriteText(blocked, L"x,y\r\n"));
  EXPECT_FALSE(test::Exists(blocked + L".new"));
  EXPECT_FALSE(files.WriteText(folder / L"no\\such\\links.lst", L"a,b\r\n"));
}

}  // namespace
}  // namespace vantor
