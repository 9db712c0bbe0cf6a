// The pop-up menu: built afresh from the station's menu state and bookmarks each time it
// opens, so its check marks and bookmark entries are always the current ones.
#pragma once

#include "common/win/Windows.h"

#include <string>
#include <vector>

#include "common/win/Handle.h"
#include "common/win/StringTable.h"
#include "station/core/Station.h"

namespace vantor {

enum MenuCommand : UINT {
  kCmdShowWindow = 2001,
  kCmdShowIcon,
  kCmdShowUDA,
  kCmdUDAShowIcon,
  kCmdUDAHideIcon,
  kCmdUDAHideAlways,
  kCmdCaptureCPU,
  kCmdCaptureMOL,
  kCmdAlarm,
  kCmdMute,
  kCmdSetting,
  kCmdVersion,
  kCmdExit,
  kCmdNoBookmark,
  kCmdLinkBase = 3000,  // + bookmark index (1 ...)
};

struct MenuTraits {
  using Handle = HMENU;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::DestroyMenu(h); }
};
using OwnedMenu = Owned<MenuTraits>;

// The whole tree with captions from the string table; `linkTitles` are bookmarks 1, 2, ...
OwnedMenu BuildPopupMenu(HINSTANCE instance, const MenuState& state, const std::vector<std::wstring>& linkTitles);

}  // namespace vantor
