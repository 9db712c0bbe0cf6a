// The pop-up menu as built, read back through the menu functions.
#include <gtest/gtest.h>

#include "station/win/PopupMenu.h"

namespace vantor {
namespace {

struct Item {
  std::wstring text;  // "-" for a separator, "[...]" around a submenu's caption
  UINT state = 0;
  UINT id = 0;
};

std::vector<Item> Read(HMENU menu) {
  std::vector<Item> items;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 128;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    Item item;
    item.text = (info.fType & MFT_SEPARATOR) ? L"-" : info.hSubMenu ? L"[" + std::wstring(text) + L"]" : text;
    // Checked 1, disabled (greyed) 2: systems differ in which greyed bits they report.
    item.state = ((info.fState & MFS_CHECKED) ? 1u : 0u) | ((info.fState & MFS_DISABLED) ? 2u : 0u);
    item.id = info.hSubMenu ? 0 : info.wID;
    items.push_back(item);
  }
  return items;
}

std::vector<std::wstring> Texts(const std::vector<Item>& items) {
  std::vector<std::wstring> texts;
  for (const auto& item : items) texts.push_back(item.text);
  return texts;
}

TEST(Menu, TheWholeTreeInOrderWithItsCaptions) {
  MenuState state;
  OwnedMenu menu = BuildPopupMenu(::GetModuleHandleW(nullptr), state, {L"ホーム", L"Search"});
  const auto root = Read(menu.Get());
  EXPECT_EQ(Texts(root), (std::vector<std::wstring>{
                             L"[ブックマーク]", L"-", L"ウィンドウ表示", L"アイコン表示", L"-", L"[UDAgent]", L"-",
                             L"CPUTimeをキャプチャ", L"Applicationをキャプチャ", L"-", L"アラーム予約", L"ミュート", L"-",
                             L"設定...", L"-", L"バージョン情報", L"-", L"Vantorの終了"}));
  const auto links = Read(::GetSubMenu(menu.Get(), 0));
  EXPECT_EQ(Texts(links), (std::vector<std::wstring>{L"ホーム", L"Search"}));
  EXPECT_EQ(links[0].id, kCmdLinkBase + 1);
  EXPECT_EQ(links[1].id, kCmdLinkBase + 2);
  const auto uda = Read(::GetSubMenu(menu.Get(), 5));
  EXPECT_EQ(Texts(uda), (std::vector<std::wstring>{L"UDAgentを表示", L"-", L"アイコン表示", L"アイコン非表示", L"-",
                                                   L"アイコンを消し続ける"}));
  EXPECT_EQ(root.back().id, static_cast<UINT>(kCmdExit));
  for (const auto& item : root) {
    if (item.text != L"-") {
      EXPECT_EQ(item.state, 0u) << "nothing checked or disabled by default";
    }
  }
}

TEST(Menu, CheckMarksAndTheDisabledEntryFollowTheState) {
  MenuState state;
  state.ShowWindow = true;
  state.ShowWindowEnabled = false;
  state.ShowIcon = true;
  state.Alarm = true;
  state.Mute = true;
  state.UDAHideAlways = true;
  OwnedMenu menu = BuildPopupMenu(::GetModuleHandleW(nullptr), state, {});
  const auto root = Read(menu.Get());
  EXPECT_EQ(root[2].state, 3u);
  EXPECT_EQ(root[3].state, 1u);
  EXPECT_EQ(root[10].state, 1u);
  EXPECT_EQ(root[11].state, 1u);
  EXPECT_EQ(Read(::GetSubMenu(menu.Get(), 5))[5].state, 1u);
  // No bookmarks: one disabled entry that says so, and nothing to choose.
  const auto links = Read(::GetSubMenu(menu.Get(), 0));
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].text, L"(ブックマークなし)");
  EXPECT_EQ(links[0].state, 2u);
}

}  // namespace
}  // namespace vantor
