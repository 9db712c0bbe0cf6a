// Preference: the settings editor of Vantor. One copy runs per program folder; a second
// start ends at once without a word.
#include "common/win/Windows.h"

#include <commctrl.h>

#include "common/win/OleApartment.h"
#include "common/win/SingleInstance.h"
#include "common/win/SystemLibrary.h"
#include "common/win/WinPlatform.h"
#include "preference/win/MainDialog.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  vantor::SearchSystemFolderOnly();
  try {
    const std::wstring folder = vantor::ProgramFolder();
    const vantor::SingleInstance instance(L"Preference", folder);
    if (instance.AnotherIsRunning()) return 0;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    const vantor::OleApartment ole;  // before the folder browser and the file dialogs
    vantor::preference::MainDialog dialog(folder);
    dialog.Run();
  } catch (...) {
    return 1;
  }
  return 0;
}
