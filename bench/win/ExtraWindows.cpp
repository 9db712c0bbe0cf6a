#include "bench/win/ExtraWindows.h"

#include <string>

namespace vantor::bench {

ExtraWindows::ExtraWindows(int count) {
  if (count <= 0) {
    ready_ = true;
    return;
  }
  wchar_t self[MAX_PATH * 4];
  const DWORD n = ::GetModuleFileNameW(nullptr, self, MAX_PATH * 4);
  helper_ = test::Process::Start(std::wstring(self, n), L"--host-windows " + std::to_wstring(count));
  ready_ = test::WaitUntil([&] { return test::CountProcessWindows(helper_.Id(), kExtraWindowClass) == count; },
                           60000);
}

int HostExtraWindows(int count) {
  HINSTANCE instance = ::GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = kExtraWindowClass;
  ::RegisterClassExW(&wc);
  // Small visible windows side by side; they are destroyed with the process.
  for (int i = 0; i < count; ++i) {
    ::CreateWindowExW(WS_EX_TOOLWINDOW, kExtraWindowClass, L"extra", WS_POPUP | WS_VISIBLE, (i % 100) * 8,
                      (i / 100) * 8, 8, 8, nullptr, nullptr, instance, nullptr);
  }
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) ::DispatchMessageW(&msg);
  return 0;
}

}  // namespace vantor::bench
