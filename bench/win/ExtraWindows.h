// Extra top-level windows on the desktop, owned by a helper process (the bench program
// started again with --host-windows N), so that they belong to another program as the
// windows of a real desktop do. Created after the agent, they lie above it in Z order.
#pragma once

#include "tests/support/Harness.h"

namespace vantor::bench {

inline constexpr wchar_t kExtraWindowClass[] = L"VantorBenchExtra";

class ExtraWindows {
 public:
  // Starts the helper with `count` windows and waits until all of them exist.
  explicit ExtraWindows(int count);
  bool Ready() const { return ready_; }

 private:
  test::Process helper_;  // ended (with its windows) when this goes
  bool ready_ = false;
};

// The helper's side: creates the windows and keeps them until the process is ended.
int HostExtraWindows(int count);

}  // namespace vantor::bench
