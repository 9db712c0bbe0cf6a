// Vantor.exe run for real in a fresh program folder of its own.
#pragma once

#include <cstdint>
#include <string>

#include "tests/support/Harness.h"

namespace vantor::test {

class VantorProgram {
 public:
  VantorProgram();
  const TempFolder& Folder() const { return folder_; }
  std::wstring File(const std::wstring& name) const { return folder_ / name; }
  std::wstring Exe() const { return folder_ / L"Vantor.exe"; }

  // Starts a copy and waits for its station window.
  Process Start() const;
  HWND StationWindow(const Process& process) const;
  // A message box of `process` ("#32770"), waited for until it shows its message; with 0,
  // whatever box there is at once.
  HWND WaitForMessageBox(const Process& process, DWORD milliseconds = 10000) const;
  // Waits until start-up has run (it removes a priority.ini placed before the start).
  Process StartAndSettle() const;
  // Chooses a pop-up menu entry (the commands arrive as WM_COMMAND).
  void Command(const Process& process, UINT command) const;
  // Closes the station window the way a menu's exit does and waits for the program to end.
  bool Exit(const Process& process) const;

 private:
  TempFolder folder_{L"e2e"};
};

// The text of a message box's message (its static control).
std::wstring MessageText(HWND box);
void CloseMessageBox(HWND box);
// Whether the notification area holds the icon (window, id 1): modifying it succeeds only then.
bool TrayHolds(HWND window);
// The size of a small icon on this display: 16, 20, 24, 32 at 100 to 200 %.
int ShellIconSize();
// Whether a notification-area record that Wine hands to the shell (WM_COPYDATA) carries the
// default icon of `percent` drawn at `size` pixels: Wine sends the colour bits last, blue,
// green, red and alpha per pixel, top row first.
bool RecordCarries(const std::string& record, std::int16_t percent, int size);

}  // namespace vantor::test
