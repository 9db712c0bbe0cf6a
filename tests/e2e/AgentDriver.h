// The test agent run beside Vantor: started with a bar width, driven by its registered messages.
#pragma once

#include <string>
#include <vector>

#include "tests/support/Harness.h"

namespace vantor::test {

class AgentDriver {
 public:
  // Starts the agent with the bar at `width` pixels and waits for its main window. With
  // `copyAs`, a copy of that path runs instead (a science process of that name).
  explicit AgentDriver(int width, const std::wstring& moreArgs = L"", const std::wstring& copyAs = L"");
  HWND Form() const { return form_; }
  DWORD Id() const { return process_.Id(); }
  const Process& Running() const { return process_; }
  // The agent's own tray icon: added again, or asked whether it is there.
  bool AddTrayIcon() const;
  bool HasTrayIcon() const;
  // With `thenHangMs`, the agent's window thread then stops answering for that long.
  void SetWidth(int width, DWORD thenHangMs = 0) const;
  // True while the agent shows its Application view.
  bool ApplicationView() const;

 private:
  Process process_;
  HWND form_ = nullptr;
};

// The names of the files in `folder` that match `pattern` (for example "*.png"), sorted.
std::vector<std::wstring> FileNames(const std::wstring& folder, const std::wstring& pattern);

}  // namespace vantor::test
