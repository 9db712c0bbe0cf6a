#include "preference/core/PriorityPage.h"

#include "common/core/Convert.h"
#include "common/core/TaskName.h"

namespace vantor::preference {
namespace {

std::optional<int> Level(const std::wstring& text) {
  try {
    const int value = LeadingInt16(text);
    if (value >= 0 && value <= kPriorityLow) return value;
  } catch (const ConversionError&) {
  }
  return std::nullopt;
}

}  // namespace

std::wstring AgentTaskNameText(std::int16_t osKind, const std::wstring& current, ProcessPort& processes,
                               const MessageSink& showMessage) {
  std::wstring text = current;
  if (osKind == 1 || osKind == 2 || osKind == 3) text = GetTHINK(processes, osKind, showMessage);
  if (text.empty()) text = kDefaultAgentTask;
  return text;
}

std::optional<PriorityFileState> ReadPriorityFile(const IniFile& ini, FilePort& files) {
  if (!files.FileExists(ini.Path(kPriorityIni))) return std::nullopt;
  PriorityFileState state;
  state.udaChange = FlagRule1(ini.GetPriorityValue(L"priority", L"udachange"));
  state.udaPosition = Level(ini.GetPriorityValue(L"priority", L"udapriority"));
  state.exeChange = FlagRule1(ini.GetPriorityValue(L"priority", L"exechange"));
  state.exePosition = Level(ini.GetPriorityValue(L"priority", L"exepriority"));
  return state;
}

}  // namespace vantor::preference
