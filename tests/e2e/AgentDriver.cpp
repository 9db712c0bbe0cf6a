#include "tests/e2e/AgentDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor::test {

namespace {

std::wstring AgentPath(const std::wstring& copyAs) {
  const std::wstring agent = BinFolder() + L"\\agent.exe";
  if (copyAs.empty()) return agent;
  ::CopyFileW(agent.c_str(), copyAs.c_str(), FALSE);
  return copyAs;
}

}  // namespace

AgentDriver::AgentDriver(int width, const std::wstring& moreArgs, const std::wstring& copyAs)
    : process_(Process::Start(AgentPath(copyAs), L"--width " + std::to_wstring(width) + L" " + moreArgs)) {
  // The main window is the one holding the progress frame (control 9); the second window
  // has the same class.
  EXPECT_TRUE(WaitUntil([&] {
    HWND h = nullptr;
    while ((h = ::FindWindowExW(nullptr, h, L"ThunderRT6formDC", L"")) != nullptr) {
      DWORD pid = 0;
      ::GetWindowThreadProcessId(h, &pid);
      if (pid == process_.Id() && ::GetDlgItem(h, 9)) {
        form_ = h;
        return true;
      }
    }
    return false;
  })) << "the test agent's window";
}

void AgentDriver::SetWidth(int width, DWORD thenHangMs) const {
  static const UINT message = ::RegisterWindowMessageW(L"VantorTestAgent.SetWidth");
  ::SendMessageW(form_, message, static_cast<WPARAM>(width), static_cast<LPARAM>(thenHangMs));
}

bool AgentDriver::ApplicationView() const {
  static const UINT message = ::RegisterWindowMessageW(L"VantorTestAgent.View");
  return ::SendMessageW(form_, message, 0, 0) == 1;
}

bool AgentDriver::AddTrayIcon() const {
  static const UINT message = ::RegisterWindowMessageW(L"VantorTestAgent.Tray");
  return ::SendMessageW(form_, message, 1, 0) == 1;
}

bool AgentDriver::HasTrayIcon() const {
  static const UINT message = ::RegisterWindowMessageW(L"VantorTestAgent.Tray");
  return ::SendMessageW(form_, message, 0, 0) == 1;
}

std::vector<std::wstring> FileNames(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW data;
  OwnedFind find(::FindFirstFileW((folder + L"\\" + pattern).c_str(), &data));
  if (find) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(data.cFileName);
    } while (::FindNextFileW(find.Get(), &data));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace vantor::test
