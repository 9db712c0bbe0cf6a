#include "station/core/IconPlaces.h"

#include "common/core/Convert.h"
#include "station/core/IconWindowPlace.h"

namespace vantor {

void IconPlaces::LoadWindowState() {
  const auto position = [](const std::wstring& text) {
    return text.empty() ? 0 : RoundToInt32(WholeNumber(text));
  };
  WindowTop = position(ini_.GetIniValue(L"window", L"top"));
  WindowLeft = position(ini_.GetIniValue(L"window", L"left"));
  WindowShown = FlagRule1(ini_.GetIniValue(L"visible", L"window"));
  TrayShown = FlagRule0(ini_.GetIniValue(L"visible", L"tasktray"));
  DeleteUDAicon = FlagRule1(ini_.GetIniValue(L"menu", L"deleteUDAicon"));
  loaded_ = true;
}

void IconPlaces::SaveWindowState() {
  const bool written = ini_.SetIniValue(L"window", L"top", std::to_wstring(WindowTop)) &&
                       ini_.SetIniValue(L"window", L"left", std::to_wstring(WindowLeft)) &&
                       ini_.SetIniValue(L"visible", L"window", showWindow_ ? L"1" : L"0") &&
                       ini_.SetIniValue(L"visible", L"tasktray", showIcon_ ? L"1" : L"0");
  reports_.OwnIniWrite(written, L"SaveWindowState");
}

void IconPlaces::PlaceIconWindow(bool show) {
  const WindowPlace stored = ScreenFromStored({WindowLeft, WindowTop}, window_.ScreenDpi());
  const WindowPlace place = ReachablePlace(stored, window_.WindowWidth(), window_.WindowHeight(), window_.Monitors());
  window_.MoveWindowTo(place.left, place.top);
  if (show) window_.ShowWindow(true);
}

void IconPlaces::ShowStoredWindow() {
  PlaceIconWindow();
  showWindow_ = WindowShown;
  window_.ShowWindow(WindowShown);
}

bool IconPlaces::ShowStoredTray() {
  showIcon_ = TrayShown;
  if (!WindowShown && !TrayShown) {
    // Nothing would be visible: the tray icon is shown all the same.
    showWindowEnabled_ = false;
    showIcon_ = true;
  }
  return showIcon_;
}

bool IconPlaces::ToggleWindow() {
  if (!showWindow_) {
    PlaceIconWindow(true);
    WindowShown = true;
    showWindow_ = true;
    return false;
  }
  window_.ShowWindow(false);
  WindowShown = false;
  showWindow_ = false;
  if (showIcon_) return false;
  TrayShown = true;
  showIcon_ = true;
  return true;
}

bool IconPlaces::ToggleTray() {
  if (!showIcon_) {
    TrayShown = true;
    showIcon_ = true;
    return true;
  }
  TrayShown = false;
  showIcon_ = false;
  if (!showWindow_) {
    PlaceIconWindow(true);
    WindowShown = true;
    showWindow_ = true;
  }
  return false;
}

void IconPlaces::Drag() {
  const WindowPlace before{window_.WindowLeft(), window_.WindowTop()};
  window_.DragWindow();
  // Only a move is stored: a click keeps the stored place even where the window was
  // brought onto the screen from somewhere else.
  const WindowPlace after{window_.WindowLeft(), window_.WindowTop()};
  if (after != before) {
    const WindowPlace stored = StoredFromScreen(after, window_.ScreenDpi());
    WindowLeft = stored.left;
    WindowTop = stored.top;
  }
  SaveWindowState();
}

}  // namespace vantor
