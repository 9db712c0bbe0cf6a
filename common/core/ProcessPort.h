// The running processes as both programs see them: the id list of the NT family, the name of
// one process, and the process snapshot of the other family.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

// One record of a process snapshot.
struct SnapshotEntry {
  std::uint32_t processId = 0;
  // The executable text as the record holds it: a bare file name or, on older systems, a full path.
  std::wstring executable;
};

enum class SnapshotResult {
  kOk,
  kSnapshotFailed,    // no snapshot could be taken
  kFirstEntryFailed,  // the snapshot gave no first entry
};

class ProcessPort {
 public:
  virtual ~ProcessPort() = default;
  // Lists process ids into `ids` (sized by the caller to hold bytes / 4 ids), at most `bytes`
  // bytes of them; `needed` receives the bytes written. False when the listing failed.
  virtual bool EnumProcesses(std::vector<std::uint32_t>& ids, std::uint32_t bytes, std::uint32_t& needed) = 0;
  // The base name of the process's executable (opened for query and read, then closed);
  // nullopt when the process cannot be opened or named.
  virtual std::optional<std::wstring> ModuleBaseName(std::uint32_t processId) = 0;
  // Every record of a fresh process snapshot, in the snapshot's order; the snapshot is closed
  // before this returns.
  virtual SnapshotResult Snapshot(std::vector<SnapshotEntry>& entries) = 0;
};

}  // namespace vantor
