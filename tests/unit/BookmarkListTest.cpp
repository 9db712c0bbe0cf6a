#include "preference/core/BookmarkList.h"

#include <gtest/gtest.h>

namespace vantor::preference {
namespace {

std::vector<std::wstring> Titles(const BookmarkList& list) {
  std::vector<std::wstring> titles;
  for (const Link& l : list.Links()) titles.push_back(l.Title);
  return titles;
}

using Titles3 = std::vector<std::wstring>;

TEST(PreferenceBookmarkList, MovesDeletesAndChangesFollowTheSelection) {
  BookmarkList list({{L"A", L"a"}, {L"B", L"b"}, {L"C", L"c"}});
  EXPECT_FALSE(list.MoveUp());
  EXPECT_FALSE(list.MoveDown());
  EXPECT_FALSE(list.Delete());
  EXPECT_FALSE(list.Change(L"X", L"x")) << "nothing selected: nothing changes";
  list.Select(1);
  EXPECT_TRUE(list.MoveUp());
  EXPECT_EQ(Titles(list), (Titles3{L"B", L"A", L"C"}));
  EXPECT_EQ(list.Selected(), 0u);
  EXPECT_FALSE(list.MoveUp());
  list.Select(2);
  EXPECT_FALSE(list.MoveDown()) << "the last entry stays";
  list.Select(0);
  EXPECT_TRUE(list.MoveDown());
  EXPECT_EQ(Titles(list), (Titles3{L"A", L"B", L"C"}));
  EXPECT_EQ(list.Line(1), L"B,b");

  EXPECT_TRUE(list.Delete());
  EXPECT_EQ(Titles(list), (Titles3{L"A", L"C"}));
  EXPECT_FALSE(list.Selected());
  list.Select(1);
  EXPECT_EQ(list.Line(*list.Selected()), L"C,c") << "the later entry moved up";
  EXPECT_TRUE(list.Change(L"D", L"d"));
  list.Add(L"A", L"a");
  EXPECT_EQ(Titles(list), (Titles3{L"A", L"D", L"A"})) << "no duplicate check";
  EXPECT_EQ(list.Selected(), 1u) << "adding keeps the selection";
  list.Select(7);
  EXPECT_FALSE(list.Selected());
}

TEST(PreferenceBookmarkList, TitleAndUrlMustBeFilledAndHoldNoComma) {
  EXPECT_EQ(CheckLink(L"A", L"http://a/"), LinkProblem::None);
  EXPECT_EQ(CheckLink(L"", L"http://a/"), LinkProblem::Empty);
  EXPECT_EQ(CheckLink(L"A", L""), LinkProblem::Empty);
  EXPECT_EQ(CheckLink(L"", L"a,b"), LinkProblem::Empty) << "emptiness is told first";
  EXPECT_EQ(CheckLink(L"A,B", L"http://a/"), LinkProblem::Comma);
  EXPECT_EQ(CheckLink(L"A", L"http://a/?x=1,2"), LinkProblem::Comma);
}

}  // namespace
}  // namespace vantor::preference
