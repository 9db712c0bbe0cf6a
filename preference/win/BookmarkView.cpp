#include "preference/win/BookmarkView.h"

#include "common/core/IniFile.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {

void BookmarkView::Show() {
  LoadLinks(files_, folder_ + kLinksLst, links_);
  FillBookmarkList();
}

int BookmarkView::LoadWarning() const { return links_.ReadWhole ? 0 : IDS_LinksUnreadable; }

void BookmarkView::FillBookmarkList() {
  list_ = BookmarkList(links_.Links);
  Redraw();
}

bool BookmarkView::SaveFile(HWND owner) {
  const std::wstring path = folder_ + kLinksLst;
  if (!links_.ReadWhole) {
    // The file holds more than the page could read: it is replaced only when the user says so.
    const int answer = ::MessageBoxW(owner, LoadText(IDS_LinksReplaceQuestion).c_str(), L"Vantor",
                                     MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (answer != IDYES) {
      // links.lst keeps its bytes; its new time still tells the monitor to reload the settings.
      files_.Touch(path);
      return true;
    }
  }
  // links.lst last: its new time tells the monitor to reload everything.
  HWND lines = control_(IDC_lstLink2);
  std::wstring text;
  const auto count = ::SendMessageW(lines, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = ::SendMessageW(lines, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length < 0) continue;
    std::wstring line(static_cast<std::size_t>(length) + 1, L'\0');
    ::SendMessageW(lines, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(line.data()));
    line.resize(static_cast<std::size_t>(length));
    text += line + L"\r\n";
  }
  // Lines after one that could not be read are the user's too: they are kept as they were.
  if (!links_.Complete) text += links_.Unread;
  if (!files_.WriteText(path, text)) {
    // The settings stay saved; the window stays open so that nothing is lost unnoticed.
    ShowMessage(owner, LoadText(IDS_LinksNotWritten), MB_ICONEXCLAMATION);
    return false;
  }
  LoadLinks(files_, path, links_);
  FillBookmarkList();
  return true;
}

void BookmarkView::Redraw() {
  HWND titles = control_(IDC_lstLink), lines = control_(IDC_lstLink2);
  ::SendMessageW(titles, LB_RESETCONTENT, 0, 0);
  ::SendMessageW(lines, LB_RESETCONTENT, 0, 0);
  for (std::size_t i = 0; i < list_.Links().size(); ++i) {
    const std::wstring line = list_.Line(i);
    ::SendMessageW(titles, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(list_.Links()[i].Title.c_str()));
    ::SendMessageW(lines, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  const WPARAM selected = list_.Selected() ? static_cast<WPARAM>(*list_.Selected()) : static_cast<WPARAM>(-1);
  ::SendMessageW(titles, LB_SETCURSEL, selected, 0);
  ::SendMessageW(lines, LB_SETCURSEL, selected, 0);
}

void BookmarkView::ShowSelected() {
  if (!list_.Selected()) return;
  const Link& link = list_.Links()[*list_.Selected()];
  SetControlText(control_(IDC_txtLinkTitle), link.Title);
  SetControlText(control_(IDC_txtLinkURL), link.URL);
}

bool BookmarkView::CheckDetails(std::wstring& title, std::wstring& url) {
  title = ControlText(control_(IDC_txtLinkTitle));
  url = ControlText(control_(IDC_txtLinkURL));
  const LinkProblem problem = CheckLink(title, url);
  HWND owner = ::GetAncestor(control_(IDC_lstLink), GA_ROOT);
  if (problem == LinkProblem::None) {
    // links.lst is kept in the ANSI code page: what it cannot hold is refused here.
    return FitsSettingsFiles(owner, title, LoadText(IDS_LinkAddTitle)) &&
           FitsSettingsFiles(owner, url, LoadText(IDS_LinkAddTitle));
  }
  const int text = problem == LinkProblem::Empty ? IDS_LinkEmpty : IDS_LinkComma;
  ::MessageBoxW(owner, LoadText(text).c_str(), LoadText(IDS_LinkAddTitle).c_str(), MB_OK | MB_ICONINFORMATION);
  return false;
}

void BookmarkView::Delete() {
  if (!list_.Selected()) return;
  const int answer = ::MessageBoxW(::GetAncestor(control_(IDC_lstLink), GA_ROOT), LoadText(IDS_DeleteQuestion).c_str(),
                                   LoadText(IDS_DeleteTitle).c_str(), MB_YESNO | MB_ICONQUESTION);
  if (answer == IDYES && list_.Delete()) Redraw();
}

bool BookmarkView::OnCommand(int control, int notification) {
  if (control == IDC_lstLink) {
    if (notification == LBN_SELCHANGE) {
      const auto position = ::SendMessageW(control_(IDC_lstLink), LB_GETCURSEL, 0, 0);
      list_.Select(position >= 0 ? std::optional<std::size_t>(static_cast<std::size_t>(position)) : std::nullopt);
      ::SendMessageW(control_(IDC_lstLink2), LB_SETCURSEL, static_cast<WPARAM>(position), 0);
      ShowSelected();
    }
    return true;
  }
  if (control != IDC_cmdLinkUP && control != IDC_cmdLinkDown && control != IDC_cmdLinkDelete &&
      control != IDC_cmdLinkChange && control != IDC_cmdLinkAdd) {
    return false;
  }
  if (notification != BN_CLICKED) return true;
  std::wstring title, url;
  switch (control) {
    case IDC_cmdLinkUP:
    case IDC_cmdLinkDown:
      if (control == IDC_cmdLinkUP ? list_.MoveUp() : list_.MoveDown()) {
        Redraw();
        ShowSelected();
      }
      break;
    case IDC_cmdLinkDelete:
      Delete();
      break;
    case IDC_cmdLinkChange:
      // Nothing selected: there is nothing to change.
      if (list_.Selected() && CheckDetails(title, url) && list_.Change(title, url)) Redraw();
      break;
    case IDC_cmdLinkAdd:
      if (CheckDetails(title, url)) {
        list_.Add(title, url);
        Redraw();
      }
      break;
    default:
      break;
  }
  return true;
}

}  // namespace vantor::preference
