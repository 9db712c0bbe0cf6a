// Process listing over the process port, shared by the task identification and the
// priority enforcement: the id list with its growing buffer, process names, and the snapshot
// with its two failure messages.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/core/ProcessPort.h"

namespace vantor {

// Shows a message in a plain box with an OK button.
using MessageSink = std::function<void(const std::wstring&)>;

inline constexpr wchar_t kSnapshotFailedText[] = L"スナップショット取得失敗";
inline constexpr wchar_t kFirstEntryFailedText[] = L"プロセスエントリの取得は失敗しました。";

// The name a process gets when it cannot be opened or named.
inline constexpr wchar_t kUnknownProcess[] = L"Unknown";

// The largest id buffer the listing grows to: 4 MiB, a million processes, far beyond what a
// system runs. A listing that still fills it is cut there instead of growing without end.
inline constexpr std::uint32_t kMaxProcessListBytes = 4u * 1024u * 1024u;

// The ids of the running processes in the order listed. The buffer starts at 8 bytes and
// doubles until the listing leaves part of it unused or the buffer reaches
// kMaxProcessListBytes (then the ids that fit are kept). A failed listing gives no ids.
std::vector<std::uint32_t> ListProcessIds(ProcessPort& processes);

// The base name of the process's executable, or "Unknown".
std::wstring ProcessName(ProcessPort& processes, std::uint32_t processId);

// Takes a process snapshot into `entries`. On failure shows the failure's message and
// returns false.
bool TakeSnapshot(ProcessPort& processes, const MessageSink& showMessage, std::vector<SnapshotEntry>& entries);

// The file name after the last folder separator of `path`.
std::wstring BareFileName(const std::wstring& path);

// `text` with the ASCII letters a-z in upper case; every other character is kept.
std::wstring UpperAscii(std::wstring text);

}  // namespace vantor
