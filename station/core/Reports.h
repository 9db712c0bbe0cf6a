// The error reports of the station: one box at a time, held back while start-up runs, the one
// message about a folder that takes no file, and failures that are told once.
#pragma once

#include <deque>
#include <utility>
#include <string>

#include "common/core/Ports.h"
#include "station/core/ChangeStamp.h"
#include "station/core/StationHost.h"

namespace vantor {

// A failure that repeats (at every tick, at every change) is told once, and again only after
// the same step worked in between.
class FailOnce {
 public:
  // The step failed: true when this is news to tell.
  bool Failed() { return !std::exchange(failing_, true); }
  void Worked() { failing_ = false; }

 private:
  bool failing_ = false;
};

// "エラーが-<procedure>-で発生しました。"
std::wstring ErrorText(const std::wstring& procedure);

class Reports {
 public:
  // `unwritableFolderText` names the program folder `folder` in which nothing can be written.
  Reports(StationHost& host, FilePort& files, std::wstring folder, std::wstring unwritableFolderText);
  Reports(const Reports&) = delete;
  Reports& operator=(const Reports&) = delete;

  // The common error report, one box at a time. While one report is open (its message box
  // runs a modal loop in which the timers go on), a different report waits and is shown after
  // it closes; the open text and a text already waiting are not queued again.
  void ReportError(const std::wstring& text);
  // Start-up runs: reports wait for its end.
  void HoldReports() { holding_ = true; }
  // The reports held back during start-up, one box at a time.
  void ShowHeldReports();

  // True when the program folder takes no new file; the one message says so, once until a
  // write has worked in a folder that takes files again.
  bool TellUnwritableFolder();
  // The outcome of one of Vantor's own writes into its folder: a failure is reported once (as
  // `failure`), and again only after a write has succeeded in between. Where the folder takes
  // no new file at all, every such write has the one cause, and the report is the one message
  // that names the folder; `failing` keeps the writer's own report of any other failure.
  void OwnWrite(bool written, const std::wstring& failure, FailOnce& failing);
  // The same for Vantor's keys of Vantor.ini, which share one report: by `procedure`.
  void OwnIniWrite(bool written, const wchar_t* procedure) { OwnWrite(written, ErrorText(procedure), iniWrites_); }

  // Whether the watched file at `path` changed. A listing that fails is no change and is
  // reported once (by `procedure`), again only after a good check.
  bool StampChanged(ChangeStamp& stamp, const std::wstring& path, FailOnce& failing, const wchar_t* procedure);

 private:
  StationHost& host_;
  FilePort& files_;
  std::wstring folder_;
  std::wstring unwritableFolderText_;
  bool unwritableFolderTold_ = false;
  bool reportOpen_ = false;
  bool holding_ = false;
  std::wstring openReport_;
  std::deque<std::wstring> waiting_;
  FailOnce iniWrites_;
};

}  // namespace vantor
