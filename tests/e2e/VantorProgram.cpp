#include "tests/e2e/VantorProgram.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include "common/core/IconComposer.h"
#include "common/win/Handle.h"

namespace vantor::test {

VantorProgram::VantorProgram() {
  ::CopyFileW((BinFolder() + L"\\Vantor.exe").c_str(), Exe().c_str(), FALSE);
}

Process VantorProgram::Start() const {
  Process p = Process::Start(Exe());
  EXPECT_TRUE(WaitUntil([&] { return StationWindow(p) != nullptr; })) << "Vantor's station window";
  return p;
}

Process VantorProgram::StartAndSettle() const {
  WriteBytes(File(L"priority.ini"), "[priority]\r\n");
  Process p = Start();
  EXPECT_TRUE(WaitUntil([&] { return !Exists(File(L"priority.ini")); })) << "start-up";
  ::Sleep(300);
  return p;
}

void VantorProgram::Command(const Process& process, UINT command) const {
  ::PostMessageW(StationWindow(process), WM_COMMAND, command, 0);
}

HWND VantorProgram::StationWindow(const Process& process) const {
  return FindProcessWindow(process.Id(), L"VantorStation");
}

HWND VantorProgram::WaitForMessageBox(const Process& process, DWORD milliseconds) const {
  // Asked without waiting, any box counts; waited for, a box counts once it is built: shown,
  // with its message in place.
  if (milliseconds == 0) return FindProcessWindow(process.Id(), L"#32770");
  HWND box = nullptr;
  WaitUntil(
      [&] {
        box = FindProcessWindow(process.Id(), L"#32770");
        return box && ::IsWindowVisible(box) && !MessageText(box).empty();
      },
      milliseconds);
  return box && ::IsWindowVisible(box) && !MessageText(box).empty() ? box : nullptr;
}

bool VantorProgram::Exit(const Process& process) const {
  HWND station = StationWindow(process);
  if (!station) return false;
  ::PostMessageW(station, WM_CLOSE, 0, 0);
  return process.Wait(10000);
}

std::wstring MessageText(HWND box) {
  HWND text = ::GetDlgItem(box, 0xFFFF);
  return text ? WindowText(text) : L"";
}

void CloseMessageBox(HWND box) { ::PostMessageW(box, WM_COMMAND, IDOK, 0); }

int ShellIconSize() {
  ::SetProcessDPIAware();
  return ::MulDiv(16, ::GetDeviceCaps(ScreenDc().Get(), LOGPIXELSY), 96);
}

bool RecordCarries(const std::string& record, std::int16_t percent, int size) {
  std::string bits;
  const Canvas face = ComposeIcon(MainSettings{}, percent, nullptr, false, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const std::uint32_t c = face.Pixel(x, y);
      bits += {static_cast<char>(c >> 16), static_cast<char>(c >> 8), static_cast<char>(c), '\xFF'};
    }
  }
  return record.ends_with(bits);
}

bool TrayHolds(HWND window) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = window;
  data.uID = 1;
  return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

}  // namespace vantor::test
