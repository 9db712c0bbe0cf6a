// Preference.exe run for real in a program folder, driven by window messages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tests/support/Harness.h"

#include <commctrl.h>

namespace vantor::test {

class PreferenceProgram {
 public:
  // Copies Preference.exe into `folder` (a folder of its own when none is given).
  explicit PreferenceProgram(const std::wstring& folder = L"");
  std::wstring File(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::wstring Exe() const { return File(L"Preference.exe"); }

  // Starts a copy and waits for its window.
  Process Start() const;
  // The settings window of `process`, or null.
  static HWND MainWindow(const Process& process);
  // A control of the window or of any of its pages.
  static HWND Control(HWND main, int id);
  // The page frame `index` (0 to 10).
  static HWND Page(HWND main, int index);
  // The tree's nodes in creation order (each parent before its children).
  static std::vector<HTREEITEM> Nodes(HWND main);
  static void SelectNode(HWND main, HTREEITEM node);
  // A left click on the node's text, as the mouse gives it (the press and the release).
  static void ClickNode(HWND main, HTREEITEM node);
  // The indexes of the visible page frames.
  static std::vector<int> VisiblePages(HWND main);

 private:
  std::unique_ptr<TempFolder> own_;
  std::wstring folder_;
};

// Driving a control of the settings window (or of one of its pages) as a user would.
void Click(HWND main, int id);
void SetText(HWND main, int id, const std::wstring& text);
std::wstring Text(HWND main, int id);

// The screen area of `window` as a 24-bit bottom-up BMP file.
void SaveWindowPicture(HWND window, const std::wstring& path);
// A message box ("#32770" other than the settings window) of `process`, waited for.
HWND WaitForDialog(const Process& process, HWND except, DWORD milliseconds = 10000);

}  // namespace vantor::test
