// Every Win32 adapter the station uses, owned together.
#pragma once

#include <string>

#include "common/win/WinPlatform.h"
#include "common/win/WinPriorities.h"
#include "common/win/WinProcesses.h"
#include "common/win/WinSound.h"
#include "common/win/WinTextFiles.h"
#include "station/win/StationWindow.h"
#include "common/win/WinClock.h"
#include "common/win/WinPicture.h"
#include "station/win/WinCapture.h"
#include "station/win/WinHistoryRecord.h"
#include "station/win/WinIconFile.h"
#include "station/win/WinInput.h"
#include "station/win/WinWindows.h"

namespace vantor {

struct RealAdapters {
  StationAdapters For(const std::wstring& folder) {
    return StationAdapters{windows,   input, screen, clock,      iconFile, pictures, files,
                           profile,   processes, sound, links, priorities, folder,   &history};
  }

  WinWindows windows;
  WinInput input;
  WinCapture screen;
  WinClock clock;
  WinIconFile iconFile;
  WinPictures pictures;
  WinFiles files;
  WinProfile profile;
  WinProcesses processes;
  WinSound sound;
  WinTextFiles links;
  WinPriorities priorities;
  WinHistoryRecord history;
};

}  // namespace vantor
