#include "common/core/Links.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/unit/Fakes.h"

namespace vantor {
namespace {

const std::wstring kPath = L"C:\\Vantor\\links.lst";

void ExpectLink(const Link& link, const std::wstring& title, const std::wstring& url) {
  EXPECT_EQ(link.Title, title);
  EXPECT_EQ(link.URL, url);
}

TEST(ParseLinks, SplitsEachLineAtItsFirstComma) {
  const LinkReadResult r = ParseLinks(
      L"Home,http://example.com/\r\n"
      L"検索,http://example.com/q?a=1&b=2\r\n"
      L"My page , http://example.com/a b,c\r\n");
  EXPECT_TRUE(r.Complete);
  ASSERT_EQ(r.Links.size(), 3u);
  ExpectLink(r.Links[0], L"Home", L"http://example.com/");
  ExpectLink(r.Links[1], L"検索", L"http://example.com/q?a=1&b=2");
  ExpectLink(r.Links[2], L"My page ", L" http://example.com/a b,c");
}

TEST(ParseLinks, AcceptsEitherLineEndAndSkipsBlankLines) {
  for (const wchar_t* text :
       {L"a,1\r\nb,2\r\n", L"a,1\nb,2\n", L"a,1\r\nb,2", L"\r\na,1\r\n\r\n  \r\nb,2\r\n\r\n"}) {
    const LinkReadResult r = ParseLinks(text);
    EXPECT_TRUE(r.Complete) << text;
    ASSERT_EQ(r.Links.size(), 2u) << text;
    ExpectLink(r.Links[0], L"a", L"1");
    ExpectLink(r.Links[1], L"b", L"2");
  }
  const LinkReadResult empty = ParseLinks(L"");
  EXPECT_TRUE(empty.Complete);
  EXPECT_TRUE(empty.Links.empty());
}

TEST(ParseLinks, ALineWithoutACommaStopsTheRead) {
  const LinkReadResult r = ParseLinks(L"a,1\r\nno comma here\r\nb,2\r\n");
  EXPECT_FALSE(r.Complete);
  ASSERT_EQ(r.Links.size(), 1u);
  ExpectLink(r.Links[0], L"a", L"1");

  const LinkReadResult last = ParseLinks(L"a,1\r\nb,2\r\nbroken");
  EXPECT_FALSE(last.Complete);
  EXPECT_EQ(last.Links.size(), 2u);
}

TEST(ParseLinks, AFileReadUpToABadLineKeepsItsUnreadText) {
  const LinkReadResult read = ParseLinks(L"A,a\r\n\r\nbad line\r\nB,b\r\n");
  EXPECT_FALSE(read.Complete);
  EXPECT_EQ(read.Links.size(), 1u);
  EXPECT_EQ(read.Unread, L"bad line\r\nB,b\r\n");
  EXPECT_EQ(LinksText(read.Links) + read.Unread, L"A,a\r\nbad line\r\nB,b\r\n");
  EXPECT_EQ(ParseLinks(L"A,a\r\n").Unread, L"");
}

TEST(LoadLinks, ReadsEveryLineInFileOrderAndReplacesThePreviousLoad) {
  test::FakeLinkFiles files;
  files.files[kPath] = L"A,http://a/\r\nB,http://b/?x=1\r\nC,http://c/\r\n";
  LinkList list;
  list.Links = {{L"stale", L"x"}};
  LoadLinks(files, kPath, list);
  EXPECT_EQ(list.LinkCount(), 4);
  EXPECT_TRUE(list.Complete);
  ExpectLink(list.Entry(1), L"A", L"http://a/");
  ExpectLink(list.Entry(2), L"B", L"http://b/?x=1");
  ExpectLink(list.Entry(3), L"C", L"http://c/");
  files.files[kPath] = L"A,1\r\nC,3\r\n";  // the editor deleted B
  LoadLinks(files, kPath, list);
  EXPECT_EQ(list.LinkCount(), 3);
  ExpectLink(list.Entry(2), L"C", L"3");
  EXPECT_EQ(files.writes, 0);
}

TEST(LoadLinks, CreatesAMissingFileWithTheDefaultBookmark) {
  test::FakeLinkFiles files;
  LinkList list;
  LoadLinks(files, kPath, list);
  EXPECT_EQ(files.files[kPath], L"United Devices inc.,http://www.ud.com/\r\n");
  EXPECT_EQ(list.LinkCount(), 2);
  ExpectLink(list.Entry(1), L"United Devices inc.", L"http://www.ud.com/");
}

TEST(LoadLinks, AFileThatCannotBeCreatedGivesAnEmptyListAfterOneRetry) {
  test::FakeLinkFiles files;
  files.readOnly.insert(kPath);
  LinkList list;
  list.Links = {{L"stale", L"x"}};
  LoadLinks(files, kPath, list);
  EXPECT_EQ(list.LinkCount(), 1);
  EXPECT_EQ(files.reads, 2);
  EXPECT_EQ(files.writes, 1);
}

TEST(LoadLinks, NeverWritesOverAFileThatExists) {
  struct Case {
    const char* what;
    std::wstring content;
    bool unreadable;
    std::size_t readUpTo;  // 0: the read does not fail on the way
    int linkCount;
    bool complete, whole;
  };
  const Case cases[] = {
      {"a fault stops the read", L"A,1\r\nB,2\r\nbroken line\r\nC,3\r\n", false, 0, 3, false, true},
      {"every bookmark deleted", L"", false, 0, 1, true, true},
      {"exists but cannot be opened", L"A,1\r\n", true, 0, 1, true, false},
      // Only whole lines of a read that failed on the way count: "B,2" may have been longer.
      {"a read that fails after 8 characters", L"A,1\r\nB,22\r\nC,3\r\n", false, 8, 2, true, false},
      {"a read that fails at a line end", L"A,1\r\nB,22\r\nC,3\r\n", false, 11, 3, true, false},
      {"a read that fails inside the first line", L"A,1\r\nB,2\r\n", false, 2, 1, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::FakeLinkFiles files;
    files.files[kPath] = c.content;
    if (c.unreadable) files.unreadable.insert(kPath);
    if (c.readUpTo > 0) files.readUpTo[kPath] = c.readUpTo;
    LinkList list;
    LoadLinks(files, kPath, list);
    EXPECT_EQ(list.LinkCount(), c.linkCount);
    EXPECT_EQ(list.Complete, c.complete);
    EXPECT_EQ(list.ReadWhole, c.whole);
    EXPECT_EQ(files.files[kPath], c.content);
    EXPECT_EQ(files.writes, 0) << "nothing is created over a file that is there";
    EXPECT_EQ(files.reads, 1);
  }
}

TEST(LinksText, WritesOneLinePerBookmarkThatReadsBack) {
  EXPECT_EQ(LinksText({}), L"");
  const std::vector<Link> links = {
      {L"ユナイテッド・デバイス", L"http://www.ud.com/"},
      {L"Search", L"http://example.com/find?q=a b&x=="},
  };
  const std::wstring text = LinksText(links);
  EXPECT_EQ(text,
            L"ユナイテッド・デバイス,http://www.ud.com/\r\nSearch,http://example.com/find?q=a b&x==\r\n");
  const LinkReadResult back = ParseLinks(text);
  EXPECT_TRUE(back.Complete);
  ASSERT_EQ(back.Links.size(), 2u);
  ExpectLink(back.Links[0], links[0].Title, links[0].URL);
  ExpectLink(back.Links[1], links[1].Title, links[1].URL);
}

}  // namespace
}  // namespace vantor
