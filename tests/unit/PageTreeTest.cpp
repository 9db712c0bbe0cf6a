#include "preference/core/PageTree.h"

#include <gtest/gtest.h>

#include <set>

namespace vantor::preference {

TEST(PreferenceTree, NodesComeInTheirOrderUnderTheirParents) {
  struct Row {
    int textId;
    Page page;
    int parentTextId;  // 0 for a top-level node
  };
  const Row expected[] = {{101, kIconPage, 0},     {110, kBalloonPage, 101}, {102, kSoundPage, 0},
                          {103, kSavePage, 102},   {104, kCapturePage, 0},   {105, kCaptureDetailPage, 104},
                          {107, kOtherPage, 0},    {108, kBookmarkPage, 107}, {106, kPriorityPage, 107},
                          {111, kHistoryPage, 107}, {109, kVersionPage, 107}};
  const auto& nodes = Nodes();
  std::set<int> pages;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(nodes[i].textId, expected[i].textId) << i;
    EXPECT_EQ(nodes[i].page, expected[i].page) << i;
    const int parent = nodes[i].parent;
    ASSERT_LT(parent, static_cast<int>(i)) << "a parent comes first";
    EXPECT_EQ(parent < 0 ? 0 : nodes[static_cast<std::size_t>(parent)].textId, expected[i].parentTextId) << i;
    pages.insert(nodes[i].page);
  }
  EXPECT_EQ(pages.size(), 11u) << "each page has one node";
}

TEST(PreferenceTree, TheClickedTextSelectsThePageOfTheFirstNodeWithThatText) {
  std::array<std::wstring, kPageCount> texts = {L"アイコン", L"チェック", L"セーブチェック", L"キャプチャ", L"詳細設定",
                                                L"その他", L"ブックマーク", L"優先度の設定", L"バージョン情報", L"バルーン", L"記録"};
  for (int p = 0; p < kPageCount; ++p) EXPECT_EQ(PageOfNodeText(texts[static_cast<std::size_t>(p)], texts), p);
  EXPECT_EQ(PageOfNodeText(L"どこにもない", texts), std::nullopt);
  EXPECT_EQ(PageOfNodeText(L"", texts), std::nullopt);
  // Two nodes with one text: the balloon node is compared before the sound page's node.
  texts[kSoundPage] = L"バルーン";
  EXPECT_EQ(PageOfNodeText(L"バルーン", texts), kBalloonPage);
}

}  // namespace vantor::preference
