#include "preference/win/PageScroll.h"

#include <algorithm>

namespace vantor::preference {
namespace {

// The one scroller whose pages the focus hook of this thread serves.
thread_local PageScroll* g_following = nullptr;

// `y` dialog units of `window`'s font in pixels: 8 are one line of its text.
int UnitsHigh(HWND window, int y) {
  RECT rect{0, 0, 4, y};
  ::MapDialogRect(window, &rect);
  return rect.bottom;
}

int UnitsWide(HWND window, int x) {
  RECT rect{0, 0, x, 8};
  ::MapDialogRect(window, &rect);
  return rect.right;
}

int Position(HWND page, int bar) {
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
  return ::GetScrollInfo(page, bar, &info) ? info.nPos : 0;
}

// Scrolls `page` by whole pixels to `x`, `y` (kept inside its ranges; 0 where it has no bar).
void ScrollTo(HWND page, int x, int y) {
  int moved[2] = {};
  const int bars[2] = {SB_HORZ, SB_VERT}, wanted[2] = {x, y};
  for (int i = 0; i < 2; ++i) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(page, bars[i], &info)) continue;
    const int last = std::max(info.nMin, info.nMax - static_cast<int>(info.nPage) + 1);
    const int to = std::clamp(wanted[i], info.nMin, last);
    moved[i] = info.nPos - to;
    info.fMask = SIF_POS;
    info.nPos = to;
    ::SetScrollInfo(page, bars[i], &info, TRUE);
  }
  if (moved[0] || moved[1]) {
    ::ScrollWindowEx(page, moved[0], moved[1], nullptr, nullptr, nullptr, nullptr,
                     SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  }
}

}  // namespace

Extent ScrollBarSizes() { return {::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL)}; }

void SetPageView(HWND page, int x, int y, SIZE content, SIZE view) {
  ::MoveWindow(page, x, y, view.cx, view.cy, TRUE);
  const Bars bars = BarsNeeded({content.cx, content.cy}, {view.cx, view.cy}, ScrollBarSizes());
  ::ShowScrollBar(page, SB_HORZ, bars.horizontal);
  ::ShowScrollBar(page, SB_VERT, bars.vertical);
  RECT client{};
  ::GetClientRect(page, &client);
  // A view at least as large as the content has its whole range on one page: no bar.
  SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, content.cx - 1,
                  static_cast<UINT>(bars.horizontal ? client.right : content.cx), 0, 0};
  ::SetScrollInfo(page, SB_HORZ, &info, TRUE);
  info.nMax = content.cy - 1;
  info.nPage = static_cast<UINT>(bars.vertical ? client.bottom : content.cy);
  ::SetScrollInfo(page, SB_VERT, &info, TRUE);
}

PageScroll::~PageScroll() {
  if (g_following == this) g_following = nullptr;
}

void PageScroll::FollowFocus(const std::array<HWND, kPageCount>& pages) {
  pages_ = pages;
  g_following = this;
  hook_.Reset(::SetWindowsHookExW(WH_CBT, FocusHook, nullptr, ::GetCurrentThreadId()));
}

LRESULT CALLBACK PageScroll::FocusHook(int code, WPARAM wParam, LPARAM lParam) {
  // The window that takes the focus is known before it has it; its place is what matters.
  if (code == HCBT_SETFOCUS && g_following && wParam) g_following->ScrollIntoView(reinterpret_cast<HWND>(wParam));
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void PageScroll::ScrollIntoView(HWND control) const {
  // The page's own child that holds the control (a combo box for its edit field).
  HWND page = ::GetParent(control);
  while (page && std::find(pages_.begin(), pages_.end(), page) == pages_.end()) {
    control = page;
    page = ::GetParent(page);
  }
  if (!page || !(::GetWindowLongW(page, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))) return;
  RECT rect{}, client{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
  ::GetClientRect(page, &client);
  const int x = Position(page, SB_HORZ), y = Position(page, SB_VERT);
  ScrollTo(page, PositionShowing(x, rect.left, rect.right, client.right),
           PositionShowing(y, rect.top, rect.bottom, client.bottom));
}

bool PageScroll::OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam != 0) return false;
  if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL) {
    // By the user's lines (or characters, sideways) a notch; the largest value asks for a page.
    const bool sideways = message == WM_MOUSEHWHEEL;
    UINT perNotch = 3;
    ::SystemParametersInfoW(sideways ? SPI_GETWHEELSCROLLCHARS : SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0);
    RECT client{};
    ::GetClientRect(page, &client);
    const bool pages = perNotch == WHEEL_PAGESCROLL;
    const int steps = (sideways ? sideWheel_ : wheel_)
                          .Steps(GET_WHEEL_DELTA_WPARAM(wParam), pages ? 1 : static_cast<int>(std::min(perNotch, 100u)));
    if (sideways) {  // turned to the right, it scrolls to the right
      ScrollTo(page, Position(page, SB_HORZ) + steps * (pages ? client.right : UnitsWide(page, 4)), Position(page, SB_VERT));
    } else {
      ScrollTo(page, Position(page, SB_HORZ), Position(page, SB_VERT) - steps * (pages ? client.bottom : UnitsHigh(page, 8)));
    }
    return true;
  }
  if (message != WM_HSCROLL && message != WM_VSCROLL) return false;
  const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  if (!::GetScrollInfo(page, bar, &info)) return true;
  const int line = bar == SB_HORZ ? UnitsWide(page, 4) : UnitsHigh(page, 8);
  int to = info.nPos;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: to -= line; break;
    case SB_LINEDOWN: to += line; break;
    case SB_PAGEUP: to -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: to += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: to = info.nTrackPos; break;
    case SB_TOP: to = info.nMin; break;
    case SB_BOTTOM: to = info.nMax; break;
    default: break;
  }
  if (bar == SB_HORZ) ScrollTo(page, to, Position(page, SB_VERT));
  else ScrollTo(page, Position(page, SB_HORZ), to);
  return true;
}

}  // namespace vantor::preference
