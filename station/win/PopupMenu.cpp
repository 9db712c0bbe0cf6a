#include "station/win/PopupMenu.h"

#include "resources/vantor_ids.h"

namespace vantor {
namespace {

void Append(HMENU menu, HINSTANCE instance, UINT command, UINT textId, bool checked = false, bool enabled = true) {
  const std::wstring text = LoadText(instance, textId);
  UINT flags = MF_STRING | (checked ? MF_CHECKED : MF_UNCHECKED) | (enabled ? MF_ENABLED : MF_GRAYED);
  ::AppendMenuW(menu, flags, command, text.c_str());
}

void Separator(HMENU menu) { ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr); }

}  // namespace

OwnedMenu BuildPopupMenu(HINSTANCE instance, const MenuState& state, const std::vector<std::wstring>& linkTitles) {
  OwnedMenu root(::CreatePopupMenu());
  HMENU links = ::CreatePopupMenu();
  for (std::size_t i = 0; i < linkTitles.size(); ++i) {
    ::AppendMenuW(links, MF_STRING, kCmdLinkBase + static_cast<UINT>(i) + 1, linkTitles[i].c_str());
  }
  if (linkTitles.empty()) Append(links, instance, kCmdNoBookmark, IDS_NO_BOOKMARK, false, false);
  ::AppendMenuW(root.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(links), LoadText(instance, IDS_MENU_LINK).c_str());
  Separator(root.Get());
  Append(root.Get(), instance, kCmdShowWindow, IDS_MENU_SHOW_WINDOW, state.ShowWindow, state.ShowWindowEnabled);
  Append(root.Get(), instance, kCmdShowIcon, IDS_MENU_SHOW_ICON, state.ShowIcon);
  Separator(root.Get());

  HMENU uda = ::CreatePopupMenu();
  Append(uda, instance, kCmdShowUDA, IDS_MENU_SHOW_UDA);
  Separator(uda);
  Append(uda, instance, kCmdUDAShowIcon, IDS_MENU_UDA_SHOW_ICON);
  Append(uda, instance, kCmdUDAHideIcon, IDS_MENU_UDA_HIDE_ICON);
  Separator(uda);
  Append(uda, instance, kCmdUDAHideAlways, IDS_MENU_UDA_HIDE_ALWAYS, state.UDAHideAlways);
  ::AppendMenuW(root.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(uda), LoadText(instance, IDS_MENU_UDA).c_str());
  Separator(root.Get());

  Append(root.Get(), instance, kCmdCaptureCPU, IDS_MENU_CAPTURE_CPU);
  Append(root.Get(), instance, kCmdCaptureMOL, IDS_MENU_CAPTURE_MOL);
  Separator(root.Get());
  Append(root.Get(), instance, kCmdAlarm, IDS_MENU_ALARM, state.Alarm);
  Append(root.Get(), instance, kCmdMute, IDS_MENU_MUTE, state.Mute);
  Separator(root.Get());
  Append(root.Get(), instance, kCmdSetting, IDS_MENU_SETTING);
  Separator(root.Get());
  Append(root.Get(), instance, kCmdVersion, IDS_MENU_VERSION);
  Separator(root.Get());
  Append(root.Get(), instance, kCmdExit, IDS_MENU_EXIT);
  return root;
}

}  // namespace vantor
