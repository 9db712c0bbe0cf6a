// The progress icon: composing it, writing and loading the icon file, the tray record.
#include "common/core/IconComposer.h"
#include "common/core/IcoFile.h"
#include "common/core/TaskName.h"
#include "station/core/Station.h"

namespace vantor {
namespace {

// Runs one step whose failure is skipped.
template <typename F>
void Skipping(F&& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

}  // namespace

void Station::ChangeIcon() { ComposeIcon(false); }
void Station::ChangeIconBackin() { ComposeIcon(true); }

void Station::ComposeIcon(bool backingOff) {
  Canvas canvas;
  try {
    canvas = vantor::ComposeIcon(settings_, Percent, picture_ ? &*picture_ : nullptr, backingOff);
    host_.ShowCanvas(canvas);
  } catch (const std::exception&) {
    ReportError(ErrorText(L"ChangeIcon"));
    return;
  }
  iconWrite(canvas);
  const std::wstring path = ini_.Path(kTempIco);
  Skipping([&] { icons_.LoadPublishedIcon(path); });
  Skipping([&] { GetTaskName(); });
  Skipping([&] { SysTrayIcon(TooltipText(), NotifyMode::Modify); });
  Skipping([&] { host_.SetIconWindowTip(TooltipText()); });
}

void Station::iconWrite(const Canvas& canvas) {
  // An icon file that cannot be written fails at every change: it is reported once, and
  // again only after a write has succeeded in between.
  const bool written = icons_.WriteIconFile(ini_.Path(kTempIco), EncodeIco(canvas));
  if (!written && !iconWriteFailing_) ReportError(ErrorText(L"iconWrite"));
  iconWriteFailing_ = !written;
}

void Station::GetTaskName() {
  TaskName = vantor::GetTaskName(processes_, host_.GetOSKind(),
                                 [&](const std::wstring& text) { host_.ShowMessage(text); });
}

std::wstring Station::PlainTooltipText() const {
  return L"Vantor \r\n" + TaskName + L" \r\n" + std::to_wstring(Percent) + L"%";
}

std::wstring Station::TooltipText() const {
  if (!settings_.SaveCheck) return PlainTooltipText();
  return PlainTooltipText() + L" " + host_.DateTimeText(SaveFileStamp.current);
}

NotifyRecord Station::TrayRecord(const std::wstring& tip) const {
  NotifyRecord record;
  record.extended = OldShell != 1 && settings_.Balloon;
  record.tip = tip;
  if (record.extended) {
    record.flags = StartupDone ? (kNifMessage | kNifIcon | kNifTip | kNifInfo) : (kNifMessage | kNifIcon | kNifTip);
    record.info = tip;
    record.infoTitle = L"Vantor";
    record.timeout = 3000;
    record.infoFlags = kNiifInfo;
  }
  return record;
}

void Station::SysTrayIcon(const std::wstring& tip, NotifyMode mode) { icons_.NotifyIcon(mode, TrayRecord(tip)); }

void Station::RemoveTrayIcon() { SysTrayIcon(L"", NotifyMode::Delete); }

}  // namespace vantor
