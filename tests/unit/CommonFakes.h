// In-memory stand-ins for the ports that both programs use.
#pragma once

#include <cwctype>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "common/core/Links.h"
#include "common/core/Ports.h"
#include "common/core/Priority.h"
#include "common/core/ProcessPort.h"
#include "common/core/Sound.h"

namespace vantor::test {

inline std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

// Profile files keyed by path; sections and keys match without regard to case, as the
// platform's do, and keep the spelling and order of their first write.
class FakeProfile : public ProfilePort {
 public:
  struct Entry { std::wstring section, key, value; };

  std::wstring Read(const std::wstring& path, const std::wstring& section, const std::wstring& key) override {
    ++reads;
    for (const auto& e : files[path]) {
      if (Lower(e.section) == Lower(section) && Lower(e.key) == Lower(key)) return e.value;
    }
    return L"";
  }
  bool Write(const std::wstring& path, const std::wstring& section, const std::wstring& key,
             const std::wstring& value) override {
    if (unwritable.count(path) > 0) {
      ++failedWrites;
      return false;
    }
    writes.push_back({section, key, value});
    auto& entries = files[path];
    for (auto& e : entries) {
      if (Lower(e.section) == Lower(section) && Lower(e.key) == Lower(key)) {
        e.value = value;
        return true;
      }
    }
    entries.push_back({section, key, value});
    return true;
  }

  std::map<std::wstring, std::vector<Entry>> files;
  std::vector<Entry> writes;
  std::set<std::wstring> unwritable;  // paths whose writes fail and change nothing
  int reads = 0, failedWrites = 0;
};

class FakeFiles : public FilePort {
 public:
  bool FileExists(const std::wstring& path) override { return !Fails(path) && stamps.count(path) > 0; }
  bool FileListed(const std::wstring& path) override {
    if (Fails(path)) throw std::runtime_error("drive not ready");
    return stamps.count(path) > 0;
  }
  FileStamp FileTime(const std::wstring& path) override {
    auto it = stamps.find(path);
    return it == stamps.end() ? 0 : it->second;
  }
  bool DeleteFile(const std::wstring& path) override {
    deleted.push_back(path);
    if (path == undeletable) return undeletableSaysDeleted;
    return stamps.erase(path) > 0;
  }
  bool CanWriteIn(const std::wstring& folder) override { return folder != readOnlyFolder; }

  std::map<std::wstring, FileStamp> stamps;
  std::vector<std::wstring> deleted;
  std::wstring failing;        // a path whose listing fails
  std::wstring failingFolder;  // a folder none of whose files can be listed
  std::wstring undeletable;    // a path that stays when deleted
  bool undeletableSaysDeleted = false;  // and its delete reports success all the same
  std::wstring readOnlyFolder;

 private:
  bool Fails(const std::wstring& path) const {
    return path == failing || (!failingFolder.empty() && path.rfind(failingFolder + L"\\", 0) == 0);
  }
};

// A process table: ids with their executable names (an empty name cannot be read).
class FakeProcesses : public ProcessPort {
 public:
  bool EnumProcesses(std::vector<std::uint32_t>& ids, std::uint32_t bytes, std::uint32_t& needed) override {
    const std::size_t room = bytes / 4;
    std::size_t n = 0;
    for (const auto& [id, name] : table) {
      if (n == room) break;
      if (n < ids.size()) ids[n] = id;
      ++n;
    }
    needed = static_cast<std::uint32_t>(n * 4);
    return true;
  }
  std::optional<std::wstring> ModuleBaseName(std::uint32_t id) override {
    for (const auto& [pid, name] : table) {
      if (pid == id && !name.empty()) return name;
    }
    return std::nullopt;
  }
  SnapshotResult Snapshot(std::vector<SnapshotEntry>& entries) override {
    for (const auto& [pid, name] : table) entries.push_back({pid, name});
    return SnapshotResult::kOk;
  }

  std::vector<std::pair<std::uint32_t, std::wstring>> table;
};

// The sounds started, in order.
class FakeSound : public SoundPort {
 public:
  void PlaySound(const std::wstring& path) override { played.push_back(path); }
  std::vector<std::wstring> played;
};

// Files by path. A file in `unreadable` exists but cannot be opened for reading (held without
// sharing), though it could be overwritten; a file with an entry in `readUpTo` fails its read
// after that many characters; a path in `readOnly` cannot be created or written.
class FakeLinkFiles : public LinkFilePort {
 public:
  TextRead ReadText(const std::wstring& path) override {
    ++reads;
    const auto it = files.find(path);
    if (it == files.end()) return {};
    if (unreadable.count(path) > 0) return {TextReadOutcome::Partial, L""};
    const auto cut = readUpTo.find(path);
    if (cut != readUpTo.end()) return {TextReadOutcome::Partial, it->second.substr(0, cut->second)};
    return {TextReadOutcome::Whole, it->second};
  }
  bool WriteText(const std::wstring& path, const std::wstring& text) override {
    ++writes;
    if (readOnly.count(path) > 0) return false;
    files[path] = text;
    return true;
  }
  bool CreateText(const std::wstring& path, const std::wstring& text) override {
    ++writes;
    if (readOnly.count(path) > 0 || files.count(path) > 0) return false;
    files[path] = text;
    return true;
  }

  bool Touch(const std::wstring& path) override {
    touched.push_back(path);
    return files.count(path) > 0;
  }

  std::map<std::wstring, std::wstring> files;
  std::set<std::wstring> unreadable, readOnly;
  std::map<std::wstring, std::size_t> readUpTo;
  std::vector<std::wstring> touched;
  int reads = 0, writes = 0;
};

// Priority classes set, in order.
class FakePriorities : public PriorityPort {
 public:
  bool SetPriorityOfId(std::uint32_t id, std::uint32_t cls, PriorityAccess access) override {
    calls.push_back({id, cls, access});
    return true;
  }
  struct Call {
    std::uint32_t id, cls;
    PriorityAccess access;
    bool operator==(const Call&) const = default;
  };
  std::vector<Call> calls;
};

}  // namespace vantor::test
