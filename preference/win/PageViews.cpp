#include "preference/win/PageViews.h"

namespace vantor::preference {

PageViews::PageViews(const PageServices& s)
    : icon_(s.settings, s.files),
      sound_(s.control, s.settings),
      save_(s.control, s.settings, s.files),
      capture_(s.control, s.settings),
      captureDetail_(s.control, s.settings),
      logon_(s.control, s.registry, s.folder),
      bookmarks_(s.control, s.links, s.folder),
      priority_(s.control, s.profile, s.folder, s.files, s.settings),
      balloon_(s.settings),
      history_(s.folder),
      controls_(s.control, icon_) {
  // The table of pages: the view of each page.
  table_[kIconPage] = &icon_;
  table_[kSoundPage] = &sound_;
  table_[kSavePage] = &save_;
  table_[kCapturePage] = &capture_;
  table_[kCaptureDetailPage] = &captureDetail_;
  table_[kOtherPage] = &logon_;
  table_[kBookmarkPage] = &bookmarks_;
  table_[kPriorityPage] = &priority_;
  table_[kVersionPage] = &version_;
  table_[kBalloonPage] = &balloon_;
  table_[kHistoryPage] = &history_;
}

}  // namespace vantor::preference
