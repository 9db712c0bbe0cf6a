// Priority fixing: while priority.ini exists, the chosen classes are applied again and again.
#include "common/core/Convert.h"
#include "station/core/Station.h"

namespace vantor {

void Station::timPriority_Timer() {
  if (!files_.FileExists(ini_.Path(kPriorityIni))) {
    host_.EnableTimer(StationTimer::Priority, false);
    return;
  }
  const PriorityTexts texts = ReadPriorityTexts(ini_);
  try {
    std::int32_t interval = 0;
    PriorityRequest request;
    try {
      request = ConvertPriorityTexts(texts, interval);
    } catch (...) {
      if (interval > 0) host_.SetTimerInterval(StationTimer::Priority, interval);
      throw;
    }
    host_.SetTimerInterval(StationTimer::Priority, request.intervalMs);
    const MessageSink show = [&](const std::wstring& text) { host_.ShowMessage(text); };
    if (OldShell == 0) {
      if (request.udaChange) SetPriorityByName_NT(processes_, priorities_, texts.uda, request.udaLevel);
      if (request.exeChange) SetPriorityByName_NT(processes_, priorities_, texts.other, request.exeLevel);
    } else {
      if (request.udaChange) SetPriorityByName_9x(processes_, priorities_, texts.uda, request.udaLevel, show);
      if (request.exeChange) SetPriorityByName_9x(processes_, priorities_, texts.other, request.exeLevel, show);
    }
    failedPriority_.reset();
  } catch (const std::exception&) {
    // The timer stays on; the same failure is reported once, a changed one again.
    if (failedPriority_ == texts) return;
    failedPriority_ = texts;
    reports_.ReportError(ErrorText(L"timPriority"));
  }
}

}  // namespace vantor
