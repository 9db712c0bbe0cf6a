// The priority page as the window's load sets it up: the push-button look, the two level
// lists, the agent's task name and the state kept in priority.ini. The page's own handlers
// are hooks here.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "common/core/IniFile.h"
#include "common/core/Ports.h"

namespace vantor::preference {

class PriorityView {
 public:
  PriorityView(std::function<HWND(int)> control, FilePort& files) : control_(std::move(control)), files_(files) {}

  // Window-load steps: the push-button look and the two lists with "低" selected.
  void PrepareControls();
  // Puts the running science task's executable into the agent's name box.
  void ShowAgentTaskName();
  // Sets the page from priority.ini when the file exists.
  void LoadPriorityFile(const IniFile& ini);

  // Handlers of the page's controls (hooks: they do nothing yet).
  void CheckPriPermission_Click() {}
  void CheckPriUDA_Click() {}
  void CheckPriEXE_Click() {}
  void ComboPriUDA_Click() {}
  void ComboPriEXE_Click() {}
  void CheckPriority_Click() {}

 private:
  std::function<HWND(int)> control_;
  FilePort& files_;
};

}  // namespace vantor::preference
