#include "preference/core/PriorityPage.h"

#include "common/core/Convert.h"
#include "common/core/TaskName.h"

namespace vantor::preference {
namespace {

std::optional<int> Level(const std::wstring& text) {
  try {
    const int value = LeadingInt16(text);
    if (value >= 0 && value <= kPriorityLow) return value;
  } catch (const ConversionError&) {
  }
  return std::nullopt;
}

}  // namespace

std::wstring FileNameOfPath(const std::wstring& path) {
  const std::size_t slash = path.rfind(L'\\');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring AgentTaskNameText(std::int16_t osKind, const std::wstring& current, ProcessPort& processes,
                               const MessageSink& showMessage) {
  std::wstring text = current;
  if (osKind == 1 || osKind == 2 || osKind == 3) text = GetTHINK(processes, osKind, showMessage);
  if (text.empty()) text = kDefaultAgentTask;
  return text;
}

std::optional<PriorityFileState> ReadPriorityFile(const IniFile& ini, FilePort& files) {
  if (!files.FileExists(ini.Path(kPriorityIni))) return std::nullopt;
  PriorityFileState state;
  state.udaChange = FlagRule1(ini.GetPriorityValue(L"priority", L"udachange"));
  state.udaPosition = Level(ini.GetPriorityValue(L"priority", L"udapriority"));
  state.exeChange = FlagRule1(ini.GetPriorityValue(L"priority", L"exechange"));
  state.exePosition = Level(ini.GetPriorityValue(L"priority", L"exepriority"));
  return state;
}

}  // namespace vantor::preference

namespace vantor::preference {
namespace {

std::wstring FlagText(bool on) { return on ? L"1" : L"0"; }

}  // namespace

bool PriorityPage::CheckUda(bool ticked, const std::wstring& name) {
  udaTicked_ = ticked && !name.empty();
  if (fixed_) Write(L"udachange", FlagText(udaTicked_));
  return udaTicked_;
}

bool PriorityPage::CheckExe(bool ticked, const std::wstring& name) {
  exeTicked_ = ticked && !name.empty();
  if (fixed_) Write(L"exechange", FlagText(exeTicked_));
  return exeTicked_;
}

void PriorityPage::SelectUda(int position) {
  udaPosition_ = position;
  keepUdaLevel_ = false;
  if (fixed_) Write(L"udapriority", std::to_wstring(position));
}

void PriorityPage::SelectExe(int position) {
  exePosition_ = position;
  keepExeLevel_ = false;
  if (fixed_) Write(L"exepriority", std::to_wstring(position));
}

void PriorityPage::Frequency(int seconds, std::int16_t& setting) {
  setting = static_cast<std::int16_t>(seconds);
  if (!fixed_) return;
  // The slider moves in many steps: a file that stays unwritable is told once, and again
  // only after a write succeeded in between.
  const bool written = ini_.SetIniValue(L"priority", L"frequency", std::to_wstring(seconds));
  if (!written && !frequencyFailing_) failure_ = WriteFailure::VantorIni;
  frequencyFailing_ = !written;
}

bool PriorityPage::Fix(bool pressed) {
  const std::wstring path = ini_.Path(kPriorityIni);
  if (pressed) {
    // The first failure ends the writes: the file cannot be written now.
    const bool written = Write(L"udachange", FlagText(udaTicked_)) &&
                         (keepUdaLevel_ || Write(L"udapriority", std::to_wstring(udaPosition_))) &&
                         Write(L"exechange", FlagText(exeTicked_)) &&
                         (keepExeLevel_ || Write(L"exepriority", std::to_wstring(exePosition_)));
    fixed_ = written || files_.FileExists(path);
    return fixed_;
  }
  if (files_.FileExists(path) && !files_.DeleteFile(path)) {
    // The file stays, and so does the monitor's fixing.
    failure_ = WriteFailure::PriorityIni;
    fixed_ = true;
    return fixed_;
  }
  keepUdaLevel_ = keepExeLevel_ = false;  // the file and its levels are gone
  fixed_ = false;
  return fixed_;
}

PriorityPage::Shown PriorityPage::Load(const PriorityFileState& file, const std::wstring& udaName,
                                       const std::wstring& exeName) {
  CheckUda(file.udaChange, udaName);
  if (file.udaPosition) udaPosition_ = *file.udaPosition;
  keepUdaLevel_ = !file.udaPosition;
  CheckExe(file.exeChange, exeName);
  if (file.exePosition) exePosition_ = *file.exePosition;
  keepExeLevel_ = !file.exePosition;
  Fix(true);
  return {udaTicked_, exeTicked_, udaPosition_, exePosition_};
}

}  // namespace vantor::preference
