#include "preference/win/HelpLine.h"

#include <commctrl.h>

namespace vantor::preference {
namespace {

constexpr UINT_PTR kSubclassId = 7;

LRESULT CALLBACK WatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* sink = reinterpret_cast<ControlEventSink*>(data);
  const int id = ::GetDlgCtrlID(hwnd);
  switch (message) {
    case WM_SETFOCUS:
      sink->OnControlEvent(id, ControlEvent::Focus);
      break;
    case WM_KILLFOCUS:
      sink->OnControlEvent(id, ControlEvent::KillFocus);
      break;
    case WM_MOUSEMOVE:
      sink->OnControlEvent(id, ControlEvent::MouseMove);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      sink->OnControlEvent(id, ControlEvent::MouseDown);
      break;
    case WM_CHAR:
      if (wParam == L' ') sink->OnControlEvent(id, ControlEvent::Space);
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(hwnd, WatchProc, kSubclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

void WatchControl(HWND control, ControlEventSink& sink) {
  if (control) ::SetWindowSubclass(control, WatchProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&sink));
}

}  // namespace vantor::preference
