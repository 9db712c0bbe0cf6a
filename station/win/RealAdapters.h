// Every Win32 adapter the station uses, owned together.
#pragma once

#include <string>

#include "common/win/WinPlatform.h"
#include "common/win/WinPriorities.h"
#include "common/win/WinProcesses.h"
#include "common/win/WinSound.h"
#include "common/win/WinTextFiles.h"
#include "station/win/StationWindow.h"
#include "station/win/WinCapture.h"
#include "station/win/WinUnitRecord.h"
#include "station/win/WinWindows.h"

namespace vantor {

struct RealAdapters {
  StationAdapters For(const std::wstring& folder) {
    return StationAdapters{windows, files, profile, processes, sound, capture, links, priorities, folder, &record};
  }

  WinWindows windows;
  WinFiles files;
  WinProfile profile;
  WinProcesses processes;
  WinSound sound;
  WinCapture capture;
  WinTextFiles links;
  WinPriorities priorities;
  WinUnitRecord record;
};

}  // namespace vantor
