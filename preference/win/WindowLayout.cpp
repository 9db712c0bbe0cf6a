#include "preference/win/WindowLayout.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "common/win/ScreenDc.h"
#include "preference/core/LineBreaks.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

// What no page template gives, in dialog units: the margins and gaps, the tree's width, the
// help line's two lines and the buttons.
constexpr int kMargin = 4, kTreeWidth = 92, kHelpHeight = 20, kButtonWidth = 54, kButtonHeight = 15;

// `x` by `y` dialog units of `dialog`'s font, in pixels.
SIZE Units(HWND dialog, int x, int y) {
  RECT rect{0, 0, x, y};
  ::MapDialogRect(dialog, &rect);
  return {rect.right, rect.bottom};
}

// The screen's device context with `control`'s font chosen, for measuring its texts.
class MeasuringDc {
 public:
  explicit MeasuringDc(HWND control)
      : old_(::SelectObject(screen_.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0)))) {}
  MeasuringDc(const MeasuringDc&) = delete;
  MeasuringDc& operator=(const MeasuringDc&) = delete;
  ~MeasuringDc() { ::SelectObject(screen_.Get(), old_); }

  SIZE Size(std::wstring_view text) const {
    SIZE size{};
    ::GetTextExtentPoint32W(screen_.Get(), text.data(), static_cast<int>(text.size()), &size);
    return size;
  }
  int LineHeight() const {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen_.Get(), &metrics);
    return metrics.tmHeight;
  }

 private:
  ScreenDc screen_;
  HGDIOBJ old_;
};

RECT RectInParent(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// What `page` needs: the size its template gave, or more where a control reaches further, with
// `margin` to spare. The page's frame is left out: it is made as large as the page.
SIZE PageNeed(HWND page, int frame, SIZE margin) {
  RECT rect{};
  ::GetWindowRect(page, &rect);
  SIZE need{rect.right - rect.left, rect.bottom - rect.top};
  for (HWND child = ::GetWindow(page, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (::GetDlgCtrlID(child) == frame) continue;
    const RECT at = RectInParent(child);
    need.cx = std::max(need.cx, at.right + margin.cx);
    need.cy = std::max(need.cy, at.bottom + margin.cy);
  }
  return need;
}

void Place(HWND window, int id, int x, int y, int width, int height) {
  ::MoveWindow(::GetDlgItem(window, id), x, y, width, height, TRUE);
}

// Gives `page` a view of `view` pixels at `x`, `y` onto content of `content` pixels, with
// scroll bars only where the view is smaller.
void SetPageView(HWND page, int x, int y, SIZE content, SIZE view) {
  ::MoveWindow(page, x, y, view.cx, view.cy, TRUE);
  for (int pass = 0; pass < 2; ++pass) {  // a bar shown in the first pass narrows the other way
    RECT client{};
    ::GetClientRect(page, &client);
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE, 0, content.cx - 1, static_cast<UINT>(client.right), 0, 0};
    ::SetScrollInfo(page, SB_HORZ, &info, TRUE);
    info.nMax = content.cy - 1;
    info.nPage = static_cast<UINT>(client.bottom);
    ::SetScrollInfo(page, SB_VERT, &info, TRUE);
  }
}

// Scrolls `page` by whole pixels to `x`, `y` (clamped to its ranges).
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

int Position(HWND page, int bar) {
  SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, 0, 0};
  return ::GetScrollInfo(page, bar, &info) ? info.nPos : 0;
}

}  // namespace

void LayoutWindow(HWND window, const std::array<HWND, kPageCount>& pages) {
  const SIZE margin = Units(window, kMargin, kMargin), tree = Units(window, kTreeWidth, 0);
  const SIZE help = Units(window, 0, kHelpHeight), button = Units(window, kButtonWidth, kButtonHeight);
  SIZE content{};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const SIZE need = PageNeed(pages[i], IDC_PageFrame0 + static_cast<int>(i), margin);
    content = {std::max(content.cx, need.cx), std::max(content.cy, need.cy)};
  }
  HWND titleLabel = ::GetDlgItem(window, IDC_Label5);
  const SIZE title = MeasuringDc(titleLabel).Size(ControlText(titleLabel));
  const int pageLeft = margin.cx + tree.cx + margin.cx, pageTop = margin.cy / 2 + title.cy + margin.cy / 2;
  const int below = margin.cy + help.cy + margin.cy / 2 + button.cy + margin.cy;  // under the pages

  // The window for whole pages, made smaller where the work area is smaller.
  const auto style = static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE));
  RECT frame{0, 0, 0, 0}, work{};
  ::AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const int frameWidth = frame.right - frame.left, frameHeight = frame.bottom - frame.top;
  const SIZE least = Units(window, 40, 40);
  const SIZE view{std::min(std::max(work.right - work.left - frameWidth - pageLeft - margin.cx, least.cx), content.cx),
                  std::min(std::max(work.bottom - work.top - frameHeight - pageTop - below, least.cy), content.cy)};
  const int width = pageLeft + view.cx + margin.cx, height = pageTop + view.cy + below;

  Place(window, IDC_Label5, margin.cx, margin.cy / 2, title.cx, title.cy);
  Place(window, IDC_TreeView1, margin.cx, pageTop, tree.cx, view.cy);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    ::MoveWindow(::GetDlgItem(pages[i], IDC_PageFrame0 + static_cast<int>(i)), 0, 0, content.cx, content.cy, TRUE);
    SetPageView(pages[i], pageLeft, pageTop, content, view);
  }
  const int helpTop = pageTop + view.cy + margin.cy;
  Place(window, IDC_labHelp, margin.cx, helpTop, width - 2 * margin.cx, help.cy);
  const int buttonTop = helpTop + help.cy + margin.cy / 2;
  const int buttons[] = {IDC_cmdCancel, IDC_cmdOK1, IDC_cmdOK0};  // from the right
  for (int i = 0; i < 3; ++i) {
    Place(window, buttons[i], width - (i + 1) * (margin.cx + button.cx), buttonTop, button.cx, button.cy);
  }
  const int outerWidth = width + frameWidth, outerHeight = height + frameHeight;
  ::SetWindowPos(window, nullptr, work.left + (work.right - work.left - outerWidth) / 2,
                 work.top + (work.bottom - work.top - outerHeight) / 2, outerWidth, outerHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void BreakAfterSpaces(HWND label) {
  const std::wstring text = ControlText(label);
  const std::size_t last = text.find_last_of(L'\u3000');
  if (last == std::wstring::npos) return;
  const RECT at = RectInParent(label);
  ::MoveWindow(label, at.left, at.top, MeasuringDc(label).Size(std::wstring_view(text).substr(0, last + 1)).cx,
               at.bottom - at.top, FALSE);
}

void WrapLines(HWND label) {
  const MeasuringDc dc(label);
  const RECT at = RectInParent(label);
  const std::wstring lines = BreakLines(ControlText(label), at.right - at.left,
                                        [&dc](std::wstring_view run) { return static_cast<int>(dc.Size(run).cx); });
  SetControlText(label, lines);
  int count = 1;
  for (std::size_t n = lines.find(L'\n'); n != std::wstring::npos; n = lines.find(L'\n', n + 1)) ++count;
  const int height = std::max(count * dc.LineHeight(), static_cast<int>(at.bottom - at.top));
  ::MoveWindow(label, at.left, at.top, at.right - at.left, height, FALSE);
}

bool ScrollPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if ((message == WM_HSCROLL || message == WM_VSCROLL) && lParam != 0) return false;
  if (message == WM_MOUSEWHEEL) {
    const int lines = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 3;
    ScrollTo(page, Position(page, SB_HORZ), Position(page, SB_VERT) - lines * Units(page, 0, 8).cy);
    return true;
  }
  if (message != WM_HSCROLL && message != WM_VSCROLL) return false;
  const int bar = message == WM_HSCROLL ? SB_HORZ : SB_VERT;
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  if (!::GetScrollInfo(page, bar, &info)) return true;
  const int line = bar == SB_HORZ ? Units(page, 4, 0).cx : Units(page, 0, 8).cy;
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

void ScrollIntoView(HWND control) {
  HWND page = ::GetParent(control);
  if (!page || !(::GetWindowLongW(page, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))) return;
  const RECT rect = RectInParent(control);
  RECT client{};
  ::GetClientRect(page, &client);
  // Where the control lies in the page's content, and the view that starts or ends with it.
  const int x = Position(page, SB_HORZ), y = Position(page, SB_VERT);
  const auto into = [](int at, int start, int end, int size) {
    return start < 0 ? at + start : end > size ? at + std::min(start, end - size) : at;
  };
  ScrollTo(page, into(x, rect.left, rect.right, client.right), into(y, rect.top, rect.bottom, client.bottom));
}

}  // namespace vantor::preference
