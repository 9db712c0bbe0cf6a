#include "preference/win/VersionPage.h"

#include "common/core/Settings.h"
#include "common/win/CanvasPainter.h"
#include "common/win/Handle.h"
#include "common/win/ShellOpen.h"
#include "preference/core/IconPage.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void VersionPage::Attach(HWND page) {
  page_ = page;
  // The underline lies right under the link's text.
  HWND link = ::GetDlgItem(page_, IDC_labURL);
  RECT rect{};
  ::GetWindowRect(link, &rect);
  ::MapWindowPoints(nullptr, page_, reinterpret_cast<POINT*>(&rect), 2);
  SIZE size{};
  {
    const WindowDc dc(link);
    const Selected font(dc.Get(), reinterpret_cast<HFONT>(::SendMessageW(link, WM_GETFONT, 0, 0)));
    ::GetTextExtentPoint32W(dc.Get(), kHomePage, static_cast<int>(wcslen(kHomePage)), &size);
  }
  ::MoveWindow(link, rect.left, rect.top, size.cx, size.cy, FALSE);
  ::MoveWindow(::GetDlgItem(page_, IDC_lineUnderline), rect.left, rect.top + size.cy, size.cx, 1, FALSE);
  SetControlText(link, kHomePage);
}

void VersionPage::ShowUnderline(bool shown) {
  HWND line = ::GetDlgItem(page_, IDC_lineUnderline);
  if ((::IsWindowVisible(line) != FALSE) != shown) ::ShowWindow(line, shown ? SW_SHOW : SW_HIDE);
}

void VersionPage::Open(const wchar_t* address) {
  if (!ShellOpen(::GetAncestor(page_, GA_ROOT), address)) {
    ShowMessage(::GetAncestor(page_, GA_ROOT), LoadText(IDS_ShellError), MB_ICONERROR);
  }
}

bool VersionPage::OnCommand(int control, int notification) {
  if (control == IDC_labURL) {
    if (notification == STN_CLICKED) Open(kHomePage);
    return true;
  }
  return control == IDC_picVTRIcon;  // a click on the icon does nothing
}

void VersionPage::OnControlEvent(int control, ControlEvent event) {
  if (control == IDC_labURL && event == ControlEvent::MouseMove) ShowUnderline(true);
  if (control != IDC_picVTRIcon) return;
  if (event == ControlEvent::Focus) ShowUnderline(true);
  if (event == ControlEvent::KillFocus) ShowUnderline(false);
  if (event == ControlEvent::Space) Open(kSecondHomePage);
}

bool VersionPage::OnSetCursor(HWND over) {
  if (!page_ || over != ::GetDlgItem(page_, IDC_labURL)) return false;
  ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
  return true;
}

HBRUSH VersionPage::OnColorStatic(HDC dc, HWND control) {
  if (!page_ || control != ::GetDlgItem(page_, IDC_labURL)) return nullptr;
  ::SetTextColor(dc, RGB(0, 0, 255));
  ::SetBkMode(dc, TRANSPARENT);
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

bool VersionPage::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID != IDC_picVTRIcon) return false;
  // The program's look: the progress icon in its default colours, doubled.
  const Canvas icon = preference::DrawPreview(MainSettings{}, nullptr);
  ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
  PaintCanvas(item.hDC, icon, item.rcItem.left, item.rcItem.top, 2 * kIconSize);
  return true;
}

}  // namespace vantor::preference
