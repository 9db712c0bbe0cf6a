// Which science task the agent runs: the executable of its science process, found among the
// running processes, and the short task name the tooltip and balloon show.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/ProcessList.h"
#include "common/core/ProcessPort.h"

namespace vantor {

// The NT family's search over the process id list. Names are matched case-sensitively against
// "ud_ligfit", "bolero" and "fdtd"; the first process whose name contains one of them ends the
// search and its base name is returned. Otherwise the last fallback candidate (a name holding
// "ud_", not "ud_mon.exe", at least 12 characters) is returned, else "".
std::wstring GetTHINK_NT(ProcessPort& processes);

// The same search over a process snapshot, ignoring letter case. Returns the bare file name
// as the record spells it. A failed snapshot shows its message and gives "".
std::wstring GetTHINK_9x(ProcessPort& processes, const MessageSink& showMessage);

// The search of the method that `osKind` selects: NT for kinds 1 and 2, the snapshot for
// kind 3, none ("") for any other kind.
std::wstring GetTHINK(ProcessPort& processes, std::int16_t osKind, const MessageSink& showMessage);

// "LigandFit", "BOLERO" or "OPAL" for the three science executables (any letter case),
// "No task" for anything else.
std::wstring TaskNameOf(const std::wstring& executable);

// The task name of the science process found by the method that `osKind` selects.
std::wstring GetTaskName(ProcessPort& processes, std::int16_t osKind, const MessageSink& showMessage);

}  // namespace vantor
