#include "common/core/Priority.h"

#include <vector>

#include "common/core/Convert.h"

namespace vantor {

std::uint32_t PriorityClassOf(std::int16_t level) {
  switch (level) {
    case 0:
      return kHighPriorityClass;
    case 1:
      return kNormalPriorityClass;
    case 2:
      return kIdlePriorityClass;
    default:
      return 0;
  }
}

bool SetPriorityByName_NT(ProcessPort& processes, PriorityPort& priorities, const std::wstring& target,
                          std::int16_t level) {
  const std::wstring wanted = UpperAscii(target);
  bool matched = false;
  for (const std::uint32_t id : ListProcessIds(processes)) {
    if (UpperAscii(ProcessName(processes, id)) != wanted) continue;
    priorities.SetPriorityOfId(id, PriorityClassOf(level), PriorityAccess::AllAccess);
    matched = true;
  }
  return matched;
}

bool SetPriorityByName_9x(ProcessPort& processes, PriorityPort& priorities, const std::wstring& target,
                          std::int16_t level, const MessageSink& showMessage) {
  const std::wstring wanted = UpperAscii(target);
  std::vector<SnapshotEntry> entries;
  if (!TakeSnapshot(processes, showMessage, entries)) return false;
  // An empty name would end every executable text: it names no process.
  if (wanted.empty()) return false;
  bool matched = false;
  for (const SnapshotEntry& entry : entries) {
    const std::wstring text = UpperAscii(entry.executable);
    if (text.size() < wanted.size() || text.compare(text.size() - wanted.size(), wanted.size(), wanted) != 0) {
      continue;
    }
    priorities.SetPriorityOfId(entry.processId, PriorityClassOf(level), PriorityAccess::SetInformation);
    matched = true;
  }
  return matched;
}

PriorityTexts ReadPriorityTexts(const IniFile& ini) {
  PriorityTexts t;
  t.uda = ini.GetIniValue(L"priority", L"uda");
  t.other = ini.GetIniValue(L"priority", L"other");
  t.udaPriority = ini.GetPriorityValue(L"priority", L"udapriority");
  t.exePriority = ini.GetPriorityValue(L"priority", L"exepriority");
  t.frequency = ini.GetIniValue(L"priority", L"frequency");
  t.udaChange = ini.GetPriorityValue(L"priority", L"udachange");
  t.exeChange = ini.GetPriorityValue(L"priority", L"exechange");
  return t;
}

PriorityRequest ConvertPriorityTexts(const PriorityTexts& texts, std::int32_t& interval) {
  PriorityRequest request;
  request.udaLevel = LeadingInt16(texts.udaPriority);
  request.exeLevel = LeadingInt16(texts.exePriority);
  std::int16_t frequency = LeadingInt16(texts.frequency);
  if (frequency == 0) frequency = 1;
  // Seconds × 1000 in 32 bits: every frequency the file can hold gives a real interval.
  request.intervalMs = std::int32_t{frequency} * 1000;
  if (request.intervalMs <= 0) throw ConversionError("negative interval");
  interval = request.intervalMs;
  request.udaChange = ToBoolean(texts.udaChange);
  request.exeChange = ToBoolean(texts.exeChange);
  return request;
}

}  // namespace vantor
