// The views of the settings window's pages, one for each page, found by the page's index, and
// the pages' controls as filling them from the settings needs.
#pragma once

#include "common/win/Windows.h"

#include <array>
#include <functional>
#include <string>

#include "common/core/Links.h"
#include "common/core/Ports.h"
#include "common/core/Settings.h"
#include "preference/core/LogonEntry.h"
#include "preference/core/PageTree.h"
#include "preference/win/BalloonView.h"
#include "preference/win/BookmarkView.h"
#include "preference/win/CaptureDetailView.h"
#include "preference/win/CapturePageView.h"
#include "preference/win/HistoryView.h"
#include "preference/win/IconPageView.h"
#include "preference/win/LogonView.h"
#include "preference/win/PageView.h"
#include "preference/win/PriorityView.h"
#include "preference/win/SavePageView.h"
#include "preference/win/SoundPageView.h"
#include "preference/win/VersionPage.h"
#include "preference/win/WinPageControls.h"

namespace vantor::preference {

// What the views work on, all owned by the window.
struct PageServices {
  std::function<HWND(int)> control;  // a control of any page by its id (null when none has it)
  const std::wstring& folder;
  MainSettings& settings;
  ProfilePort& profile;
  FilePort& files;
  LinkFilePort& links;
  RegistryPort& registry;
};

class PageViews {
 public:
  explicit PageViews(const PageServices& services);
  PageViews(const PageViews&) = delete;
  PageViews& operator=(const PageViews&) = delete;

  PageView& operator[](Page page) { return *table_[static_cast<std::size_t>(page)]; }
  // Every page's view, in the order of the pages.
  auto begin() const { return table_.begin(); }
  auto end() const { return table_.end(); }

  WinPageControls& Controls() { return controls_; }

 private:
  IconPageView icon_;
  SoundPageView sound_;
  SavePageView save_;
  CapturePageView capture_;
  CaptureDetailView captureDetail_;
  LogonView logon_;
  BookmarkView bookmarks_;
  PriorityView priority_;
  VersionPage version_;
  BalloonView balloon_;
  HistoryView history_;
  std::array<PageView*, kPageCount> table_{};
  WinPageControls controls_;
};

}  // namespace vantor::preference
