// Window and dialog procedures that hand every message to the object behind the window: the
// object's address is kept in the window's own slot from the window's first message on, and
// no exception of a handler ever crosses into Windows.
#pragma once

#include "common/win/Windows.h"

namespace vantor {

// Runs one handler of a window's event so that no exception crosses into Windows: a handler
// that fails ends here.
template <class F>
void Guarded(F&& f) noexcept {
  try {
    f();
  } catch (...) {
  }
}

namespace window_slot {

// A window made by CreateWindowEx with the object as its creation parameter.
struct Window {
  using Result = LRESULT;
  static constexpr UINT kFirstMessage = WM_NCCREATE;
  static constexpr int kSlot = GWLP_USERDATA;
  static void* Object(LPARAM lParam) { return reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams; }
  static Result Unhandled(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
};

// A dialog made by DialogBoxParam or CreateDialogParam with the object as its parameter.
struct Dialog {
  using Result = INT_PTR;
  static constexpr UINT kFirstMessage = WM_INITDIALOG;
  static constexpr int kSlot = DWLP_USER;
  static void* Object(LPARAM lParam) { return reinterpret_cast<void*>(lParam); }
  static Result Unhandled(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
};

// Calls `handle(object)` for the window's object, its first message included, up to the last
// (WM_NCDESTROY). Messages before the first one, which no object has yet, get the default
// answer; a handler that throws answers 0.
template <class Slot, class T, class Handle>
typename Slot::Result Forward(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Handle&& handle) {
  if (message == Slot::kFirstMessage) {
    ::SetWindowLongPtrW(hwnd, Slot::kSlot, reinterpret_cast<LONG_PTR>(Slot::Object(lParam)));
  }
  auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, Slot::kSlot));
  if (!self) return Slot::Unhandled(hwnd, message, wParam, lParam);
  try {
    return handle(*self);
  } catch (...) {
    return 0;
  }
}

}  // namespace window_slot

// The window procedure of a class whose windows are made with a T as creation parameter: it
// calls the T's `Handle` for every message.
template <class T, LRESULT (T::*Handle)(HWND, UINT, WPARAM, LPARAM)>
LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return window_slot::Forward<window_slot::Window, T>(
      hwnd, message, wParam, lParam, [&](T& self) { return (self.*Handle)(hwnd, message, wParam, lParam); });
}

// For a dialog procedure: calls `handle(object)` with the T given as the dialog's parameter,
// WM_INITDIALOG included, and answers FALSE (0) for what comes before it or throws.
template <class T, class Handle>
INT_PTR ForwardDialogMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Handle&& handle) {
  return window_slot::Forward<window_slot::Dialog, T>(hwnd, message, wParam, lParam, handle);
}

}  // namespace vantor
