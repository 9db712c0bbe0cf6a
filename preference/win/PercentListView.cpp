#include "preference/win/PercentListView.h"

#include <commctrl.h>

#include "preference/win/Ui.h"

namespace vantor::preference {

void PercentListView::Show() {
  stored_ = list_.Text();
  SetControlText(control_(ids_.readOut), list_.ReadOut());
}

bool PercentListView::OnCommand(int control, int notification) {
  if (control == ids_.entry) {
    if (notification != EN_CHANGE) return true;
    if (const auto value = SliderValueOfEntry(ControlText(control_(ids_.entry)))) {
      ::SendMessageW(control_(ids_.slider), TBM_SETPOS, TRUE, *value);
    }
    return true;
  }
  if (control == ids_.readOut) {
    // The list is edited only with its buttons: any other change is undone at once.
    if (notification == EN_CHANGE) SetControlText(control_(ids_.readOut), list_.ReadOut());
    return true;
  }
  if (control != ids_.add && control != ids_.clear) return false;
  if (notification != BN_CLICKED) return true;
  if (control == ids_.add) {
    list_.Add(ControlText(control_(ids_.entry)));
  } else {
    list_.Clear();
  }
  Show();
  return true;
}

bool PercentListView::OnScroll(int control) {
  if (control != ids_.slider) return false;
  const auto position = ::SendMessageW(control_(ids_.slider), TBM_GETPOS, 0, 0);
  SetControlText(control_(ids_.entry), std::to_wstring(position));
  return true;
}

}  // namespace vantor::preference
