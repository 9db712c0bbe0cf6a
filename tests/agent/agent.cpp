// A stand-in for the grid agent, for tests and the demo. It shows the window structure the
// monitor relies on: a 758 x 514 main window of class "ThunderRT6formDC" with an empty
// title, holding control 9 which holds control 10 (the progress bar, whose client width is
// the progress), and a second window of the same process holding control 2.
//
//   agent.exe [--width N] [--advance MS] [--no-second] [--show-second] [--tray]
//
// --width sets the bar's width, --advance grows it by one pixel every MS milliseconds (back
// to 0 after 227). --show-second shows the second window (it exists hidden otherwise);
// --tray gives the main form its own tray icon (id 1, mouse-move callback). The registered
// message "VantorTestAgent.Tray" with wParam 1 adds that icon again and with wParam 0 asks
// whether it is there (1 or 0), by modifying it. While running, the registered message "VantorTestAgent.SetWidth" sent or
// posted to the main window sets the width to its wParam; with an lParam N above 0 the window
// thread then stops answering for N milliseconds, as a hung agent does.
//
// The main window draws one of two views: "CPU Time" on green (the main view) and
// "Application" on magenta. With the window at the screen origin, a click at (615, 490)
// opens the Application view, one at (582, 492) goes back to the main view, and one at
// (740, 492) is the window's own minimise button. The registered message
// "VantorTestAgent.View" returns 1 while the Application view is shown, else 0.
#include <windows.h>
#include <shellapi.h>

#include "common/core/AgentGeometry.h"

#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kFormClass[] = L"ThunderRT6formDC";
constexpr wchar_t kFrameClass[] = L"VantorTestAgentFrame";
constexpr wchar_t kBarClass[] = L"VantorTestAgentBar";
constexpr int kFrameId = 9, kBarId = 10, kSecondItemId = 2;
constexpr int kFullWidth = 227, kBarHeight = 17;
constexpr UINT_PTR kAdvanceTimer = 1;

struct Options {
  int width = 0;
  int advanceMs = 0;
  bool second = true;
  bool showSecond = false;
  bool tray = false;
};

constexpr UINT kHangMessage = WM_APP + 1;
UINT g_setWidthMessage = 0;
UINT g_viewMessage = 0;
HWND g_bar = nullptr;
int g_width = 0;
bool g_application = false;

// Places in window coordinates (the window's top-left corner is 0, 0).
constexpr RECT kMainTab{556, 478, 598, 506};
constexpr RECT kApplicationTab{600, 478, 676, 506};
constexpr RECT kMinimizeButton{724, 478, 752, 506};
// The view's coloured field, in client coordinates.
constexpr RECT kViewField{10, 10, 740, 400};
constexpr COLORREF kMainColour = RGB(0, 128, 64);
constexpr COLORREF kApplicationColour = RGB(192, 0, 160);

// The offset of the client area inside the window.
POINT ClientOffset(HWND hwnd) {
  RECT window;
  ::GetWindowRect(hwnd, &window);
  POINT origin{0, 0};
  ::ClientToScreen(hwnd, &origin);
  return {origin.x - window.left, origin.y - window.top};
}

RECT ToClient(HWND hwnd, RECT r) {
  const POINT o = ClientOffset(hwnd);
  return {r.left - o.x, r.top - o.y, r.right - o.x, r.bottom - o.y};
}

void DrawBox(HDC dc, const RECT& r, COLORREF fill, const wchar_t* text) {
  HBRUSH brush = ::CreateSolidBrush(fill);
  ::FillRect(dc, &r, brush);
  ::DeleteObject(brush);
  ::FrameRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  RECT inner = r;
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(255, 255, 255));
  ::DrawTextW(dc, text, -1, &inner, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintForm(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hwnd, &ps);
  const COLORREF colour = g_application ? kApplicationColour : kMainColour;
  DrawBox(dc, kViewField, colour, L"");
  HFONT font = ::CreateFontW(-48, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
  HGDIOBJ old = ::SelectObject(dc, font);
  RECT title{30, 30, 700, 120};
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, RGB(255, 255, 255));
  ::DrawTextW(dc, g_application ? L"Application" : L"CPU Time", -1, &title, DT_LEFT | DT_TOP | DT_SINGLELINE);
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  DrawBox(dc, ToClient(hwnd, kMainTab), g_application ? RGB(96, 96, 96) : kMainColour, L"CPU");
  DrawBox(dc, ToClient(hwnd, kApplicationTab), g_application ? kApplicationColour : RGB(96, 96, 96), L"App");
  DrawBox(dc, ToClient(hwnd, kMinimizeButton), RGB(0, 0, 160), L"_");
  ::EndPaint(hwnd, &ps);
}

// A left click in client coordinates, checked against the places in window coordinates.
void Click(HWND hwnd, int clientX, int clientY) {
  const POINT o = ClientOffset(hwnd);
  const POINT at{clientX + o.x, clientY + o.y};
  if (::PtInRect(&kMinimizeButton, at)) {
    ::ShowWindow(hwnd, SW_MINIMIZE);
  } else if (::PtInRect(&kApplicationTab, at) || ::PtInRect(&kMainTab, at)) {
    g_application = ::PtInRect(&kApplicationTab, at) != FALSE;
    ::InvalidateRect(hwnd, nullptr, TRUE);
  }
}

UINT g_trayMessage = 0;
HWND g_form = nullptr;

// Adds (or, to ask whether it is there, modifies) the form's own tray icon.
bool TrayIcon(DWORD message) {
  NOTIFYICONDATAW data{};
  data.cbSize = NOTIFYICONDATAW_V1_SIZE;
  data.hWnd = g_form;
  data.uID = 1;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = WM_MOUSEMOVE;
  data.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
  ::lstrcpynW(data.szTip, L"UD Agent", 64);
  return ::Shell_NotifyIconW(message, &data) != FALSE;
}

void SetBarWidth(int width) {
  g_width = width;
  ::SetWindowPos(g_bar, nullptr, 0, 0, width, kBarHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::InvalidateRect(::GetParent(g_bar), nullptr, TRUE);
}

LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_setWidthMessage && g_setWidthMessage != 0) {
    SetBarWidth(static_cast<int>(wParam));
    if (lParam > 0) ::PostMessageW(hwnd, kHangMessage, 0, lParam);
    return 1;
  }
  if (message == kHangMessage) {
    ::Sleep(static_cast<DWORD>(lParam));
    return 0;
  }
  if (message == g_viewMessage && g_viewMessage != 0) return g_application ? 1 : 0;
  if (message == g_trayMessage && g_trayMessage != 0) return TrayIcon(wParam == 1 ? NIM_ADD : NIM_MODIFY) ? 1 : 0;
  switch (message) {
    case WM_PAINT:
      PaintForm(hwnd);
      return 0;
    case WM_LBUTTONDOWN:
      Click(hwnd, static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
      return 0;
    case WM_TIMER:
      if (wParam == kAdvanceTimer) SetBarWidth(g_width >= kFullWidth ? 0 : g_width + 1);
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT CALLBACK BarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd, &ps);
    RECT rect;
    ::GetClientRect(hwnd, &rect);
    HBRUSH brush = ::CreateSolidBrush(RGB(0, 0, 160));
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
    ::EndPaint(hwnd, &ps);
    return 0;
  }
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

Options ParseOptions() {
  Options options;
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  for (int i = 1; argv && i < argc; ++i) {
    const std::wstring arg = argv[i];
    if (arg == L"--width" && i + 1 < argc) options.width = _wtoi(argv[++i]);
    else if (arg == L"--advance" && i + 1 < argc) options.advanceMs = _wtoi(argv[++i]);
    else if (arg == L"--no-second") options.second = false;
    else if (arg == L"--show-second") options.showSecond = true;
    else if (arg == L"--tray") options.tray = true;
  }
  ::LocalFree(argv);
  return options;
}

void RegisterClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, int brush) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(brush + 1));
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const Options options = ParseOptions();
  g_setWidthMessage = ::RegisterWindowMessageW(L"VantorTestAgent.SetWidth");
  g_viewMessage = ::RegisterWindowMessageW(L"VantorTestAgent.View");
  g_trayMessage = ::RegisterWindowMessageW(L"VantorTestAgent.Tray");
  RegisterClass(instance, kFormClass, FormProc, COLOR_BTNFACE);
  RegisterClass(instance, kFrameClass, ::DefWindowProcW, COLOR_WINDOW);
  RegisterClass(instance, kBarClass, BarProc, COLOR_WINDOW);

  HWND form = ::CreateWindowExW(0, kFormClass, L"", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 120,
                                60, vantor::kAgentWidth, vantor::kAgentHeight, nullptr, nullptr, instance, nullptr);
  HWND frame = ::CreateWindowExW(0, kFrameClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 20, 420, kFullWidth + 2,
                                 kBarHeight + 2, form, reinterpret_cast<HMENU>(kFrameId), instance, nullptr);
  g_bar = ::CreateWindowExW(0, kBarClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, kBarHeight, frame,
                            reinterpret_cast<HMENU>(kBarId), instance, nullptr);
  g_form = form;
  SetBarWidth(options.width);
  ::ShowWindow(form, SW_SHOWNOACTIVATE);
  if (options.tray) TrayIcon(NIM_ADD);

  // The second window comes later, so it lies above the main form in Z order.
  if (options.second) {
    HWND second = ::CreateWindowExW(0, kFormClass, L"", WS_POPUP | WS_BORDER, 0, 0, 200, 80, form, nullptr,
                                    instance, nullptr);
    ::CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, second,
                      reinterpret_cast<HMENU>(kSecondItemId), instance, nullptr);
    if (options.showSecond) ::ShowWindow(second, SW_SHOWNOACTIVATE);
  }
  if (options.advanceMs > 0) ::SetTimer(form, kAdvanceTimer, static_cast<UINT>(options.advanceMs), nullptr);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 0;
}
