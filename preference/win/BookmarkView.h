// The bookmark page: the titles in lstLink, the file's lines in the hidden lstLink2, and the
// detail fields, all drawn from one bookmark list.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/Links.h"
#include "preference/core/BookmarkList.h"

namespace vantor::preference {

class BookmarkView {
 public:
  explicit BookmarkView(std::function<HWND(int)> control) : control_(std::move(control)) {}

  // Shows the bookmarks as loaded; edits not yet saved are dropped.
  void FillBookmarkList(const LinkList& links);
  // Returns true when the control is one of this page's.
  bool OnCommand(int control, int notification);

 private:
  void Redraw();
  void ShowSelected();
  void Delete();
  // The detail fields, or a message (titled for adding, also when changing) and nothing.
  bool CheckDetails(std::wstring& title, std::wstring& url);

  std::function<HWND(int)> control_;
  BookmarkList list_;
};

}  // namespace vantor::preference
