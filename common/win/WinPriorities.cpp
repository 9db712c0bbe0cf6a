#include "common/win/WinPriorities.h"

#include "common/win/Handle.h"
#include "common/win/Windows.h"

namespace vantor {

namespace {
// The all-access mask every version of the system accepts (the newer one is refused by the older).
constexpr DWORD kAllAccess = 0x1F0FFF;
}  // namespace

bool WinPriorities::SetPriorityOfId(std::uint32_t processId, std::uint32_t priorityClass, PriorityAccess access) {
  const bool all = access == PriorityAccess::AllAccess;
  OwnedHandle process(::OpenProcess(all ? kAllAccess : PROCESS_SET_INFORMATION, all ? TRUE : FALSE, processId));
  if (!process) return false;
  if (priorityClass != 0) ::SetPriorityClass(process.Get(), priorityClass);
  return true;
}

}  // namespace vantor
