// The priority page: the permission box, the two programs with their levels, the interval
// and the push button that switches fixing on (priority.ini written at once) and off.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/IniFile.h"
#include "common/core/Ports.h"
#include "common/core/Settings.h"
#include "preference/core/PriorityPage.h"
#include "preference/win/PageView.h"

namespace vantor::preference {

class PriorityView : public PageView {
 public:
  PriorityView(std::function<HWND(int)> control, ProfilePort& profile, const std::wstring& folder, FilePort& files,
               MainSettings& settings)
      : control_(std::move(control)), files_(files), settings_(settings), ini_(profile, folder), page_(ini_, files) {}

  // The push-button look and the two lists with "低" selected.
  void Attach(HWND) override;
  // The agent's task name, then the page as priority.ini holds it.
  void Ready(bool writable) override;
  void Show() override { ShowAgentTaskName(); }

  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification) override;
  bool OnScroll(int control, int request) override;

 private:
  // Puts the running science task's executable into the agent's name box.
  void ShowAgentTaskName();
  // Sets the page from priority.ini when the file exists, which switches fixing on again; a
  // write that fails is told unless `quiet` (a folder that takes no file, told once for all).
  void LoadPriorityFile(bool quiet);
  bool Dispatch(int control, int notification);
  void CheckPriPermission_Click();
  void CmdPriEXE_Click();
  int Selection(int combo) const;
  // A message naming the file that a write of the page could not make, if any.
  void TellWriteFailure();

  std::function<HWND(int)> control_;
  FilePort& files_;
  MainSettings& settings_;
  IniFile ini_;
  PriorityPage page_;
};

}  // namespace vantor::preference
