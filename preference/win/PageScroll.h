// The pages that scroll where the window is smaller than they are: their scroll bars, the
// mouse wheel over them, and the control that takes the focus brought into view however it
// takes it (Tab, Shift+Tab, an access key, a click).
#pragma once

#include "common/win/Windows.h"

#include <array>

#include "common/win/Handle.h"
#include "preference/core/PageTree.h"
#include "preference/core/ScrollView.h"

namespace vantor::preference {

struct HookTraits {
  using Handle = HHOOK;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { ::UnhookWindowsHookEx(h); }
};

// Gives `page` a view of `view` pixels (its scroll bars included) at `x`, `y` onto content of
// `content` pixels, with a scroll bar only where the content does not fit.
void SetPageView(HWND page, int x, int y, SIZE content, SIZE view);

// The width of a vertical and the height of a horizontal scroll bar.
Extent ScrollBarSizes();

class PageScroll {
 public:
  PageScroll() = default;
  PageScroll(const PageScroll&) = delete;
  PageScroll& operator=(const PageScroll&) = delete;
  ~PageScroll();

  // From now on, a control of one of `pages` that takes the focus is scrolled into view.
  void FollowFocus(const std::array<HWND, kPageCount>& pages);

  // A page's own scroll bars and the mouse wheels over it (WM_HSCROLL and WM_VSCROLL without a
  // control, WM_MOUSEWHEEL, WM_MOUSEHWHEEL); false for any other message.
  bool OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

  // Scrolls the page that holds `control` until the control is in view.
  void ScrollIntoView(HWND control) const;

 private:
  static LRESULT CALLBACK FocusHook(int code, WPARAM wParam, LPARAM lParam);

  std::array<HWND, kPageCount> pages_{};
  Owned<HookTraits> hook_;
  Wheel wheel_, sideWheel_;
};

}  // namespace vantor::preference
