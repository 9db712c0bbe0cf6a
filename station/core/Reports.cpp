#include "station/core/Reports.h"

#include <algorithm>
#include <exception>
#include <utility>

namespace vantor {

std::wstring ErrorText(const std::wstring& procedure) {
  return L"エラーが-" + procedure + L"-で発生しました。";
}

Reports::Reports(StationHost& host, FilePort& files, std::wstring folder, std::wstring unwritableFolderText)
    : host_(host), files_(files), folder_(std::move(folder)), unwritableFolderText_(std::move(unwritableFolderText)) {}

void Reports::ReportError(const std::wstring& text) {
  if (reportOpen_ || holding_) {
    const bool known = text == openReport_ || std::find(waiting_.begin(), waiting_.end(), text) != waiting_.end();
    if (!known) waiting_.push_back(text);
    return;
  }
  reportOpen_ = true;
  openReport_ = text;
  for (;;) {
    host_.ShowError(openReport_);
    if (waiting_.empty()) break;
    openReport_ = std::move(waiting_.front());
    waiting_.pop_front();
  }
  openReport_.clear();
  reportOpen_ = false;
}

void Reports::ShowHeldReports() {
  holding_ = false;
  if (reportOpen_ || waiting_.empty()) return;
  std::wstring first = std::move(waiting_.front());
  waiting_.pop_front();
  ReportError(first);
}

bool Reports::TellUnwritableFolder() {
  // A read-only share or a folder under Program Files: nothing of ours can be kept there.
  if (files_.CanWriteIn(folder_)) return false;
  if (!std::exchange(unwritableFolderTold_, true)) ReportError(unwritableFolderText_);
  return true;
}

void Reports::OwnWrite(bool written, const std::wstring& failure, FailOnce& failing) {
  if (written) {
    failing.Worked();
    // A folder may take writes to files that are there and still no new file: the message is
    // news again only once the folder takes files again.
    if (unwritableFolderTold_ && files_.CanWriteIn(folder_)) unwritableFolderTold_ = false;
    return;
  }
  if (TellUnwritableFolder()) return;
  if (failing.Failed()) ReportError(failure);
}

bool Reports::StampChanged(ChangeStamp& stamp, const std::wstring& path, FailOnce& failing, const wchar_t* procedure) {
  try {
    const bool changed = stamp.Changed(files_, path);
    failing.Worked();
    return changed;
  } catch (const std::exception&) {
    // A drive that stays unready or a folder that cannot be listed fails at every tick.
    if (failing.Failed()) ReportError(ErrorText(procedure));
    return false;
  }
}

}  // namespace vantor
