#include "preference/win/WindowLayout.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "common/win/Handle.h"
#include "preference/core/LineBreaks.h"
#include "preference/win/PageScroll.h"
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
      : font_(screen_.Get(), reinterpret_cast<HGDIOBJ>(::SendMessageW(control, WM_GETFONT, 0, 0))) {}

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
  Selected font_;  // after the context: given back before it
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
  const Extent room{std::max(work.right - work.left - frameWidth - pageLeft - margin.cx, least.cx),
                    std::max(work.bottom - work.top - frameHeight - pageTop - below, least.cy)};
  const Extent fitted = ViewSize({content.cx, content.cy}, room, ScrollBarSizes());
  const SIZE view{fitted.width, fitted.height};
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

}  // namespace vantor::preference
