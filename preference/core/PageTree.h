// The page tree of the settings window: which node shows which page, in which order the
// nodes are made, and what showing a page does besides.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "resources/preference_ids.h"

namespace vantor::preference {

inline constexpr int kPageCount = 11;

// The pages, by their index in the page frame array.
enum Page : int {
  kIconPage = 0,
  kSoundPage = 1,
  kSavePage = 2,
  kCapturePage = 3,
  kCaptureDetailPage = 4,
  kOtherPage = 5,
  kBookmarkPage = 6,
  kPriorityPage = 7,
  kVersionPage = 8,
  kBalloonPage = 9,
  kHistoryPage = 10,
};

// The id of a page's window in the settings window. The first ten pages' ids are followed by
// those of their frames; the later pages take ids of their own.
inline constexpr int PageWindowId(int page) {
  return page < 10 ? IDC_frmSetting0 + page : IDC_frmSetting10 + page - 10;
}

struct NodeDef {
  int textId;  // the node's text in the string table
  Page page;
  int parent;  // index into Nodes() of the parent node, -1 for a top-level node
};

// The nodes in the order they are created: each parent before its children.
const std::array<NodeDef, kPageCount>& Nodes();

// The order in which a clicked node's text is compared with the kept nodes' texts.
const std::array<Page, kPageCount>& DispatchOrder();

// The page of the node whose text is `clicked`: the first kept node (in dispatch order)
// with the same text. `nodeTexts[p]` is the text of the node that shows page p. No match
// leaves every page hidden.
std::optional<Page> PageOfNodeText(const std::wstring& clicked,
                                   const std::array<std::wstring, kPageCount>& nodeTexts);

}  // namespace vantor::preference
