// The process port on the platform: psapi's id list and module names, and the Toolhelp
// process snapshot.
#pragma once

#include "common/core/ProcessPort.h"

namespace vantor {

class WinProcesses : public ProcessPort {
 public:
  bool EnumProcesses(std::vector<std::uint32_t>& ids, std::uint32_t bytes, std::uint32_t& needed) override;
  std::optional<std::wstring> ModuleBaseName(std::uint32_t processId) override;
  SnapshotResult Snapshot(std::vector<SnapshotEntry>& entries) override;
};

}  // namespace vantor
