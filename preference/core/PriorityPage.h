// What the priority page shows when the window loads: the agent's task name and the state
// kept in priority.ini.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "common/core/IniFile.h"
#include "common/core/Ports.h"
#include "common/core/ProcessList.h"
#include "common/core/ProcessPort.h"

namespace vantor::preference {

// Shown when no science task runs.
inline constexpr wchar_t kDefaultAgentTask[] = L"ud_ligfit_Release.exe";

// The text of the agent's task name box: the running science task found by the method of
// `osKind`; for kind 0 the box keeps `current`; an empty result gives the default name.
std::wstring AgentTaskNameText(std::int16_t osKind, const std::wstring& current, ProcessPort& processes,
                               const MessageSink& showMessage);

// The positions of the two priority lists: 0 high, 1 normal, 2 low.
inline constexpr int kPriorityLow = 2;

struct PriorityFileState {
  bool udaChange = false;
  std::optional<int> udaPosition;  // none when the stored level is not 0 to 2
  bool exeChange = false;
  std::optional<int> exePosition;
};

// The state of priority.ini, or nothing when the file does not exist. The flags are on
// exactly for "1"; a level is the text's leading number.
std::optional<PriorityFileState> ReadPriorityFile(const IniFile& ini, FilePort& files);

}  // namespace vantor::preference
