#include "common/win/WinPriorities.h"

#include "common/win/Handle.h"
#include "common/win/Windows.h"

namespace vantor {

bool WinPriorities::SetPriorityOfId(std::uint32_t processId, std::uint32_t priorityClass, PriorityAccess access) {
  const bool all = access == PriorityAccess::AllAccess;
  OwnedHandle process(::OpenProcess(all ? PROCESS_ALL_ACCESS : PROCESS_SET_INFORMATION, all ? TRUE : FALSE, processId));
  if (!process) return false;
  if (priorityClass != 0) ::SetPriorityClass(process.Get(), priorityClass);
  return true;
}

}  // namespace vantor
