// Vantor: the resident monitor.
#include "common/win/Windows.h"

#include "common/win/Dpi.h"
#include "common/win/SingleInstance.h"
#include "common/win/WinPlatform.h"
#include "station/win/RealAdapters.h"
#include "station/win/StationWindow.h"

namespace {

// COM on the user-interface thread, for the imaging component of the captures.
class ComApartment {
 public:
  ComApartment() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ~ComApartment() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }

 private:
  HRESULT result_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace vantor;
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
  ComApartment com;
  StationWindow station(instance, adapters.For(folder));
  if (!station.Create()) return 1;

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
