#include "preference/core/PageTree.h"

namespace vantor::preference {

const std::array<NodeDef, kPageCount>& Nodes() {
  static const std::array<NodeDef, kPageCount> nodes = {{
      {101, kIconPage, -1},
      {110, kBalloonPage, 0},
      {102, kSoundPage, -1},
      {103, kSavePage, 2},
      {104, kCapturePage, -1},
      {105, kCaptureDetailPage, 4},
      {107, kOtherPage, -1},
      {108, kBookmarkPage, 6},
      {106, kPriorityPage, 6},
      {111, kHistoryPage, 6},
      {109, kVersionPage, 6},
  }};
  return nodes;
}

const std::array<Page, kPageCount>& DispatchOrder() {
  static const std::array<Page, kPageCount> order = {
      kIconPage, kBalloonPage,  kSoundPage,    kSavePage,     kCapturePage,
      kCaptureDetailPage, kOtherPage, kBookmarkPage, kPriorityPage, kHistoryPage, kVersionPage};
  return order;
}

std::optional<Page> PageOfNodeText(const std::wstring& clicked,
                                   const std::array<std::wstring, kPageCount>& nodeTexts) {
  for (Page page : DispatchOrder()) {
    if (nodeTexts[static_cast<std::size_t>(page)] == clicked) return page;
  }
  return std::nullopt;
}

}  // namespace vantor::preference
