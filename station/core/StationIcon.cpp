// The progress icon: composing it, writing the icon file, publishing it, the tray record.
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
  const IcoBytes bytes = EncodeIco(canvas);
  iconWrite(bytes);
  // The published icon is made from the same bytes, so it shows what temp.ico holds, or would.
  Skipping([&] { icons_.PublishIcon(bytes); });
  Skipping([&] { GetTaskName(); });
  Skipping([&] { TrackUnit(); });
  Skipping([&] { SysTrayIcon(TooltipText(), NotifyMode::Modify); });
  Skipping([&] { host_.SetIconWindowTip(TooltipText()); });
}

void Station::iconWrite(const IcoBytes& bytes) {
  // An icon file that cannot be written fails at every change: reported once (see OwnWrite).
  OwnWrite(icons_.WriteIconFile(ini_.Path(kTempIco), bytes), L"iconWrite", iconWriteFailing_);
}

void Station::GetTaskName() {
  TaskName = vantor::GetTaskName(processes_, host_.GetOSKind(),
                                 [&](const std::wstring& text) { host_.ShowMessage(text); });
}

std::wstring Station::PlainTooltipText() const {
  return L"Vantor \r\n" + TaskName + L" \r\n" + std::to_wstring(Percent) + L"%";
}

std::wstring Station::TooltipText() const {
  if (!settings_.SaveCheck) return WithTimeLeft(PlainTooltipText());
  return WithTimeLeft(PlainTooltipText() + L" " + host_.DateTimeText(SaveFileStamp.current));
}

NotifyRecord Station::TrayRecord(const std::wstring& tip) const {
  NotifyRecord record;
  record.extended = OldShell != 1 && settings_.Balloon;
  record.tip = tip;
  if (record.extended) {
    record.flags = kNifMessage | kNifIcon | kNifTip | (StartupDone ? kNifInfo | kNifRealtime : 0);
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
