// Bookmarks of the pop-up menu, and opening pages and the settings editor.
#include "station/core/Station.h"

namespace vantor {

void Station::petitLink() {
  // The menu is built from this list each time it opens, so no entry of an earlier load stays.
  LoadLinks(linkFiles_, ini_.Path(kLinksLst), links_);
}

void Station::JumptoURL(std::int16_t index) {
  if (index < 1 || index >= links_.LinkCount()) return;
  const std::intptr_t result = host_.ShellOpen(links_.Entry(index).URL);
  if (result >= 0 && result <= 32) host_.ShowStopMessage(L"エラーが起きました。");
}

void Station::ShowSetting() {
  const std::intptr_t result = host_.ShellOpen(ini_.Path(kPreferenceExe));
  if (result >= 0 && result <= 32) host_.ShowStopMessage(L"エラーが起きました。");
}

}  // namespace vantor
