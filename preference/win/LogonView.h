// The log-on box of the その他 page: whether Windows starts this folder's Vantor at log-on,
// as Windows will do it, with a note under the box where another program is registered or
// Task Manager switched it off.
#pragma once

#include "common/win/Windows.h"

#include <functional>
#include <string>

#include "preference/core/LogonEntry.h"
#include "preference/win/PageView.h"

namespace vantor::preference {

class LogonView : public PageView {
 public:
  LogonView(std::function<HWND(int)> control, RegistryPort& registry, std::wstring folder)
      : control_(std::move(control)), registry_(registry), folder_(std::move(folder)) {}

  void Attach(HWND) override { Refresh(); }
  void Show() override { Refresh(); }
  bool OnCommand(int control, int notification) override;
  // Writes the box's choice where it differs from what was shown. A write that fails is
  // told (false); either way the box then shows what Windows will do.
  bool SaveOutside(HWND owner) override;

 private:
  // Shows what Windows will do; a box the user changed since it was last shown stays.
  void Refresh();

  std::function<HWND(int)> control_;
  RegistryPort& registry_;
  std::wstring folder_;
  LogonEntry shown_;
  bool changed_ = false;
};

}  // namespace vantor::preference
