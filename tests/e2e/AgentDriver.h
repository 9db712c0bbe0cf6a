// The test agent run beside Vantor: started with a bar width, driven by its registered messages.
#pragma once

#include <string>
#include <vector>

#include "tests/support/Harness.h"

namespace vantor::test {

class AgentDriver {
 public:
  // Starts the agent with the bar at `width` pixels and waits for its main window.
  explicit AgentDriver(int width);
  HWND Form() const { return form_; }
  void SetWidth(int width) const;
  // True while the agent shows its Application view.
  bool ApplicationView() const;

 private:
  Process process_;
  HWND form_ = nullptr;
};

// The names of the files in `folder` that match `pattern` (for example "*.png"), sorted.
std::vector<std::wstring> FileNames(const std::wstring& folder, const std::wstring& pattern);

}  // namespace vantor::test
