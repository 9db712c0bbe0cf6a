// Vantor: the resident monitor.
#include "common/win/Windows.h"

#include "common/win/Dpi.h"
#include "common/win/OleApartment.h"
#include "common/win/SingleInstance.h"
#include "common/win/SystemLibrary.h"
#include "common/win/WinPlatform.h"
#include "station/win/RealAdapters.h"
#include "station/win/StationWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace vantor;
  SearchSystemFolderOnly();
  // The manifest declares no DPI awareness: where threads cannot take the agent's, the whole
  // process must see the agent's window as the agent does.
  BecomeDpiAwareWhereThreadsCanLeaveIt();
  const std::wstring folder = ProgramFolder();
  SingleInstance instanceLock(L"Vantor", folder);
  if (instanceLock.AnotherIsRunning()) {
    ::MessageBoxW(nullptr, L"Vantorは既に起動しています。", L"Vantor", MB_OK);
    return 0;
  }

  RealAdapters adapters;
  OleApartment com;
  StationWindow station(instance, adapters.For(folder));
  if (!station.Create()) return 1;

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
