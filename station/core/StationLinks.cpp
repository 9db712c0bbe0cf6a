// Bookmarks of the pop-up menu, and opening pages and the settings editor.
#include "station/core/Station.h"

namespace vantor {

void Station::petitLink() {
  // The menu is built from this list each time it opens, so no entry of an earlier load stays.
  LinkList read;
  LoadLinks(linkFiles_, ini_.Path(kLinksLst), read);
  // A file that could not be read whole (held by another program) leaves the list of the last
  // whole read; the next change of the file's time tries again.
  if (!read.ReadWhole && linksReadWhole_) return;
  linksReadWhole_ = read.ReadWhole;
  links_ = std::move(read);
}

const LinkList& Station::MenuLinks() {
  menuLinks_ = links_;
  return *menuLinks_;
}

void Station::JumptoURL(std::int16_t index) {
  const LinkList shown = menuLinks_ ? std::move(*menuLinks_) : links_;
  menuLinks_.reset();
  if (index < 1 || index >= shown.LinkCount()) return;
  if (!host_.ShellOpen(shown.Entry(index).URL)) host_.ShowStopMessage(L"エラーが起きました。");
}

void Station::ShowSetting() {
  if (!host_.ShellOpen(ini_.Path(kPreferenceExe))) host_.ShowStopMessage(L"エラーが起きました。");
}

}  // namespace vantor
