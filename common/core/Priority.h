// Pinning process priorities: the levels of the priority state file, the two ways of finding
// the processes of a name, and what one enforcement reads from the settings files.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/IniFile.h"
#include "common/core/ProcessList.h"
#include "common/core/ProcessPort.h"

namespace vantor {

inline constexpr std::uint32_t kHighPriorityClass = 0x80;
inline constexpr std::uint32_t kNormalPriorityClass = 0x20;
inline constexpr std::uint32_t kIdlePriorityClass = 0x40;

// Level 0 "高", 1 "通常", 2 "低"; any other level gives 0: the class is left as it is.
std::uint32_t PriorityClassOf(std::int16_t level);

// How a process is opened to set its class.
enum class PriorityAccess { AllAccess, SetInformation };

class PriorityPort {
 public:
  virtual ~PriorityPort() = default;
  // Opens the process, sets `priorityClass` unless it is 0, closes it. False when it could
  // not be opened.
  virtual bool SetPriorityOfId(std::uint32_t processId, std::uint32_t priorityClass, PriorityAccess access) = 0;
};

// Every listed process whose base name equals `target` ignoring case gets the level's class.
// True when at least one process matched.
bool SetPriorityByName_NT(ProcessPort& processes, PriorityPort& priorities, const std::wstring& target,
                          std::int16_t level);

// Every snapshot entry whose executable text ends with `target` (ignoring case) gets the
// level's class. An empty target matches nothing.
bool SetPriorityByName_9x(ProcessPort& processes, PriorityPort& priorities, const std::wstring& target,
                          std::int16_t level, const MessageSink& showMessage);

// The texts one enforcement reads, in the order it reads them.
struct PriorityTexts {
  std::wstring uda, other;                   // Vantor.ini [priority]
  std::wstring udaPriority, exePriority;     // priority.ini [priority]
  std::wstring frequency;                    // Vantor.ini [priority]
  std::wstring udaChange, exeChange;         // priority.ini [priority]

  bool operator==(const PriorityTexts&) const = default;
};
PriorityTexts ReadPriorityTexts(const IniFile& ini);

// What the texts ask for. Throws ConversionError for a number out of range, a switch that
// is no boolean (the empty text included) or an interval that is not positive.
struct PriorityRequest {
  std::int16_t udaLevel = 0, exeLevel = 0;
  std::int32_t intervalMs = 1000;  // frequency × 1000, in 32 bits
  bool udaChange = false, exeChange = false;
};
// The interval is known before the switches are converted; `interval` receives it even
// when a switch then fails.
PriorityRequest ConvertPriorityTexts(const PriorityTexts& texts, std::int32_t& interval);

}  // namespace vantor
