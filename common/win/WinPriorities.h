// Setting the priority class of another process.
#pragma once

#include "common/core/Priority.h"

namespace vantor {

class WinPriorities : public PriorityPort {
 public:
  bool SetPriorityOfId(std::uint32_t processId, std::uint32_t priorityClass, PriorityAccess access) override;
};

}  // namespace vantor
