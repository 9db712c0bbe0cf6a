// Letting this thread's windows work from inside a long handler.
#pragma once

namespace vantor {

// Translates and dispatches every message waiting for this thread, then returns. A WM_QUIT
// among them ends the round and is posted again, so that the main loop still ends the program.
void PumpPending();

}  // namespace vantor
