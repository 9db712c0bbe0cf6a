// The progress icon: composing it, writing the icon file, publishing it, the tray record.
#include <algorithm>

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

// A size that no icon has (a window not sized yet, a wrong answer) takes the nearest that one has.
int IconSizeOf(int size) { return std::clamp(size, kIconSize, kMaxIconSize); }

}  // namespace

void Station::ChangeIcon() { ComposeIcon(false); }
void Station::ChangeIconBackin() { ComposeIcon(true); }

// The icon with the percentage, or the backing-off face; then the task's name is read, and
// the record of the units and the tooltip are told what the icon now shows.

void Station::ComposeIcon(bool backingOff) {
  Canvas canvas;
  try {
    backingOffFace_ = backingOff;
    canvas = DrawFace(kIconSize);
    ShowFaces(canvas);
  } catch (const std::exception&) {
    reports_.ReportError(ErrorText(L"ChangeIcon"));
    return;
  }
  iconWrite(EncodeIco(canvas));
  Skipping([&] { GetTaskName(); });
  Skipping([&] { units_.Seen(gauge_.Form() != 0, gauge_.Percent(), TaskName); });
  Skipping([&] { SysTrayIcon(TooltipText(), NotifyMode::Modify); });
  Skipping([&] { iconWindow_.SetIconWindowTip(TooltipText()); });
}

Canvas Station::DrawFace(int size) const {
  return vantor::ComposeIcon(settings_, gauge_.Percent(), picture_ ? &*picture_ : nullptr, backingOffFace_,
                             IconSizeOf(size));
}

// The same composition drawn at each place's own size, never a smaller face stretched.
void Station::ShowFaces(const Canvas& small) {
  const auto faceAt = [&](int size) { return IconSizeOf(size) == small.Size() ? small : DrawFace(size); };
  const Canvas window = faceAt(iconWindow_.FaceSize());
  iconWindow_.ShowCanvas(window);
  shownWindowSize_ = window.Size();
  const Canvas tray = trayIconSize_ == window.Size() ? window : faceAt(trayIconSize_);
  Skipping([&] { tray_.PublishIcon(tray); });
}

void Station::OnScalingChanged() {
  const int shownTraySize = trayIconSize_;
  trayIconSize_ = IconSizeOf(tray_.IconSize());
  if (shownWindowSize_ == 0) return;  // nothing shown yet: the first icon takes the sizes
  if (trayIconSize_ == shownTraySize && IconSizeOf(iconWindow_.FaceSize()) == shownWindowSize_) return;
  try {
    ShowFaces(DrawFace(kIconSize));
  } catch (const std::exception&) {
    return;  // the face that could not be drawn was reported when it was first drawn
  }
  // The shell keeps its own copy of the icon: it is told of the new one.
  if (places_.TrayChecked()) tray_.NotifyIcon(NotifyMode::Modify, QuietTrayRecord());
}

void Station::iconWrite(const IcoBytes& bytes) {
  // An icon file that cannot be written fails at every change: reported once (see OwnWrite).
  reports_.OwnWrite(iconFile_.WriteIconFile(ini_.Path(kTempIco), bytes), ErrorText(L"iconWrite"), iconWrite_);
}

void Station::GetTaskName() {
  TaskName = vantor::GetTaskName(processes_, host_.GetOSKind(),
                                 [&](const std::wstring& text) { host_.ShowMessage(text); });
}

std::wstring Station::PlainTooltipText() const {
  return L"Vantor \r\n" + TaskName + L" \r\n" + std::to_wstring(gauge_.Percent()) + L"%";
}

std::wstring Station::TooltipText() const {
  const std::wstring tip =
      settings_.SaveCheck ? PlainTooltipText() + L" " + clock_.DateTimeText(notifications_.SaveTime()) : PlainTooltipText();
  // The tray's tooltip field, whose length the time-left line must fit whole.
  return units_.WithTimeLeft(tip, gauge_.Percent(), TrayRecord(tip).extended ? 127 : 63);
}

void Station::RefreshTooltip() {
  const std::wstring tip = TooltipText();
  if (places_.TrayChecked()) {
    NotifyRecord record = QuietTrayRecord(tip);
    record.flags &= ~kNifIcon;
    tray_.NotifyIcon(NotifyMode::Modify, record);
  }
  iconWindow_.SetIconWindowTip(tip);
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

NotifyRecord Station::QuietTrayRecord(const std::wstring& tip) const {
  NotifyRecord record = TrayRecord(tip);
  record.flags &= ~(kNifInfo | kNifRealtime);
  return record;
}

void Station::SysTrayIcon(const std::wstring& tip, NotifyMode mode) { tray_.NotifyIcon(mode, TrayRecord(tip)); }

}  // namespace vantor
