// One percent list on its page: the slider and its entry box, the add and clear buttons and
// the read-out, over the list's text in the settings.
#pragma once

#include "common/win/Windows.h"

#include <functional>
#include <string>

#include "preference/core/PercentList.h"

namespace vantor::preference {

struct PercentListIds {
  int slider, entry, add, clear, readOut;
};

class PercentListView {
 public:
  PercentListView(std::function<HWND(int)> control, PercentListIds ids, std::wstring& stored)
      : control_(std::move(control)), ids_(ids), stored_(stored) {}

  // Takes the list from the settings (after the pages were filled).
  void Load() { list_ = PercentList(stored_); }

  // Handlers; each returns true when the control is one of this list's.
  bool OnCommand(int control, int notification);
  bool OnScroll(int control);

 private:
  void Show();

  std::function<HWND(int)> control_;
  PercentListIds ids_;
  std::wstring& stored_;
  PercentList list_;
};

}  // namespace vantor::preference
