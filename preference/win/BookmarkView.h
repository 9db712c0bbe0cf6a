// The bookmark page: the titles in lstLink, the file's lines in the hidden lstLink2, and the
// detail fields, all drawn from one bookmark list, which links.lst is read into and written from.
#pragma once

#include "common/win/Windows.h"

#include <functional>
#include <string>

#include "common/core/Links.h"
#include "preference/core/BookmarkList.h"
#include "preference/win/PageView.h"

namespace vantor::preference {

class BookmarkView : public PageView {
 public:
  BookmarkView(std::function<HWND(int)> control, LinkFilePort& files, const std::wstring& folder)
      : control_(std::move(control)), files_(files), folder_(folder) {}

  // Reads links.lst and shows its bookmarks; edits not yet saved are dropped.
  void Attach(HWND) override { Show(); }
  void Show() override;
  // A file that could not be read whole.
  int LoadWarning() const override;
  bool OnCommand(int control, int notification) override;
  // Writes the page's list to links.lst (asking first when the file was not read whole).
  bool SaveFile(HWND owner) override;

 private:
  // Shows the bookmarks as loaded; edits not yet saved are dropped.
  void FillBookmarkList();
  void Redraw();
  void ShowSelected();
  void Delete();
  // The detail fields, or a message (titled for adding, also when changing) and nothing.
  bool CheckDetails(std::wstring& title, std::wstring& url);

  std::function<HWND(int)> control_;
  LinkFilePort& files_;
  const std::wstring& folder_;
  LinkList links_;  // as links.lst was read
  BookmarkList list_;
};

}  // namespace vantor::preference
