#include "preference/win/MainDialog.h"

#include <commctrl.h>

#include <algorithm>

#include "common/win/StringTable.h"
#include "common/win/WindowProcedure.h"
#include "preference/core/EditorSettings.h"
#include "preference/core/FillPages.h"
#include "preference/core/PageTexts.h"
#include "preference/win/Ui.h"
#include "preference/win/WindowLayout.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

constexpr UINT kTellUnreadable = WM_APP + 1;
constexpr UINT kTellPageWarning = WM_APP + 2;  // wParam: the text's string id
constexpr UINT kTellNotWritable = WM_APP + 3;

}  // namespace

MainDialog::MainDialog(std::wstring folder)
    : folder_(std::move(folder)),
      pages_({[this](int id) { return Control(id); }, folder_, settings_, profile_, files_, textFiles_, registry_}) {}

void MainDialog::Run() {
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_frmMain), nullptr, DialogProc,
                    reinterpret_cast<LPARAM>(this));
}

HWND MainDialog::Control(int id) const {
  if (HWND h = ::GetDlgItem(hwnd_, id)) return h;
  for (HWND page : frmSetting_) {
    if (!page) continue;
    if (HWND h = ::GetDlgItem(page, id)) return h;
  }
  return nullptr;
}

INT_PTR CALLBACK MainDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardDialogMessage<MainDialog>(hwnd, message, wParam, lParam, [&](MainDialog& self) -> INT_PTR {
    if (message != WM_INITDIALOG) return self.OnMessage(message, wParam, lParam);
    self.hwnd_ = hwnd;
    self.Form_Load();
    return FALSE;  // the focus was set by the load
  });
}

INT_PTR CALLBACK MainDialog::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ForwardDialogMessage<MainDialog>(hwnd, message, wParam, lParam, [&](MainDialog& self) {
    return self.OnPageMessage(hwnd, message, wParam, lParam);  // nothing to do at WM_INITDIALOG
  });
}

LRESULT CALLBACK MainDialog::TreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self) {
  if (message == WM_NCDESTROY) ::RemoveWindowSubclass(tree, TreeProc, id);
  if (message != WM_LBUTTONDOWN) return ::DefSubclassProc(tree, message, wParam, lParam);
  // A click on the node already selected changes no selection, so the tree tells nothing; its
  // page is shown again (with the page's work) from here.
  TVHITTESTINFO hit{};
  hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ::SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  const auto selected = [tree] {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  };
  const HTREEITEM before = selected();
  const LRESULT result = ::DefSubclassProc(tree, message, wParam, lParam);
  if ((hit.flags & TVHT_ONITEM) && hit.hItem && hit.hItem == before && selected() == before) {
    Guarded([&] { reinterpret_cast<MainDialog*>(self)->TreeView1_NodeClick(before); });
  }
  return result;
}

void MainDialog::Form_Load() {
  // The program's icon (resource 1, drawn at 16 pixels) on the caption and in the task switcher;
  // shared, so never destroyed.
  const auto icon = reinterpret_cast<LPARAM>(
      ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, LR_SHARED));
  ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, icon);
  ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, icon);
  CreatePages();
  BuildPageTree();
  unreadable_ = LoadEditorSettings(profile_, folder_, settings_);
  for (PageView* view : pages_) view->Load();
  FillPages(settings_, pages_.Controls(), files_);
  ApplyCaptions();
  Layout();
  const bool writable = files_.CanWriteIn(folder_);
  for (PageView* view : pages_) view->Ready(writable);
  WatchControls();
  scroll_.FollowFocus(frmSetting_);
  ::SetWindowSubclass(::GetDlgItem(hwnd_, IDC_TreeView1), TreeProc, 1, reinterpret_cast<DWORD_PTR>(this));
  // Page 0 is the page shown first.
  ::SendDlgItemMessageW(hwnd_, IDC_TreeView1, TVM_SELECTITEM, TVGN_CARET,
                        reinterpret_cast<LPARAM>(nodes_[kIconPage]));
  ::SetFocus(::GetDlgItem(hwnd_, IDC_TreeView1));
  // Said before anything is edited: in this folder OK and Apply can keep nothing.
  if (!writable) ::PostMessageW(hwnd_, kTellNotWritable, 0, 0);
  if (!unreadable_.empty()) ::PostMessageW(hwnd_, kTellUnreadable, 0, 0);
  for (PageView* view : pages_) {
    if (const int warning = view->LoadWarning()) ::PostMessageW(hwnd_, kTellPageWarning, static_cast<WPARAM>(warning), 0);
  }
}

void MainDialog::CreatePages() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  for (int i = 0; i < kPageCount; ++i) {
    HWND page = ::CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PAGE0 + i), hwnd_, PageProc,
                                     reinterpret_cast<LPARAM>(this));
    ::SetWindowLongPtrW(page, GWLP_ID, PageWindowId(i));
    ::ShowWindow(page, SW_HIDE);
    frmSetting_[static_cast<std::size_t>(i)] = page;
  }
  for (int i = 0; i < kPageCount; ++i) pages_[static_cast<Page>(i)].Attach(frmSetting_[static_cast<std::size_t>(i)]);
  pages_.Controls().InitRanges();
  ::ShowWindow(frmSetting_[kIconPage], SW_SHOW);
}

void MainDialog::Layout() {
  titleFont_.Reset(::CreateFontW(-Scaled(18), 0, 0, 0, FW_BLACK, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                 DEFAULT_PITCH | FF_SWISS, L"Arial Black"));
  if (titleFont_) ::SendDlgItemMessageW(hwnd_, IDC_Label5, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), FALSE);
  for (int label : {IDC_labJumpBookMark, IDC_labJumpPriority, IDC_labJumpVersion}) BreakAfterSpaces(Control(label));
  for (int label : {IDC_labBalloonInfo, IDC_labPriority, IDC_labBakkin, IDC_labAuthor}) WrapLines(Control(label));
  LayoutWindow(hwnd_, frmSetting_);
}

void MainDialog::BuildPageTree() {
  HWND tree = ::GetDlgItem(hwnd_, IDC_TreeView1);
  const auto& nodes = Nodes();
  std::array<HTREEITEM, kPageCount> made{};
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    std::wstring text = LoadText(nodes[i].textId);
    TVINSERTSTRUCTW insert{};
    insert.hParent = nodes[i].parent < 0 ? TVI_ROOT : made[static_cast<std::size_t>(nodes[i].parent)];
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = text.data();
    made[i] = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    nodes_[static_cast<std::size_t>(nodes[i].page)] = made[i];
  }
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    if (nodes[i].parent < 0) ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(made[i]));
  }
}

void MainDialog::ApplyCaptions() {
  for (const CaptionEntry& caption : Captions()) {
    if (HWND h = Control(caption.control)) SetControlText(h, LoadText(caption.textId));
  }
}

void MainDialog::WatchControls() {
  for (const HelpEntry& entry : HelpEntries()) WatchControl(Control(entry.control), *this);
  WatchControl(Control(IDC_picVTRIcon), *this);
}

void MainDialog::TellUnreadableSettings() {
  std::wstring text = LoadText(IDS_SettingsUnreadable);
  for (const std::wstring& key : unreadable_) text += L"\r\n" + key;
  ShowMessage(hwnd_, text, MB_ICONWARNING);
}

void MainDialog::TreeView1_NodeClick(HTREEITEM node) {
  HWND tree = ::GetDlgItem(hwnd_, IDC_TreeView1);
  const auto textOf = [tree](HTREEITEM item) {
    wchar_t buffer[256] = {};
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = buffer;
    request.cchTextMax = 256;
    ::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&request));
    return std::wstring(buffer);
  };
  std::array<std::wstring, kPageCount> texts;
  for (std::size_t p = 0; p < texts.size(); ++p) texts[p] = textOf(nodes_[p]);
  for (HWND page : frmSetting_) ::ShowWindow(page, SW_HIDE);
  const auto page = PageOfNodeText(textOf(node), texts);
  if (page) ShowPage(*page);
}

void MainDialog::ShowPage(Page page) {
  ::ShowWindow(frmSetting_[static_cast<std::size_t>(page)], SW_SHOW);
  pages_[page].Show();
}

void MainDialog::Jump(Page page) {
  const HTREEITEM node = nodes_[static_cast<std::size_t>(page)];
  HWND tree = ::GetDlgItem(hwnd_, IDC_TreeView1);
  // Selecting a node that is not yet selected reports the change, which dispatches it.
  if (reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)) == node) {
    TreeView1_NodeClick(node);
  } else {
    ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
  }
}

void MainDialog::ShowHelp(const std::wstring& text) { SetControlText(::GetDlgItem(hwnd_, IDC_labHelp), text); }

void MainDialog::OnControlEvent(int control, ControlEvent event) noexcept {
  Guarded([&] {
    for (PageView* view : pages_) view->OnControlEvent(control, event);
    const HelpEntry* help = FindHelp(control);
    if (!help) return;
    unsigned wanted = 0;
    if (event == ControlEvent::Focus) wanted = kOnFocus;
    if (event == ControlEvent::MouseMove) wanted = kOnMouseMove;
    if (event == ControlEvent::MouseDown) wanted = kOnMouseDown;
    if (help->events & wanted) ShowHelp(help->textId ? LoadText(help->textId) : L"");
  });
}

void MainDialog::OnCommand(int control, int notification) {
  const auto handles = [&](PageView* view) { return view->OnCommand(control, notification); };
  if (std::any_of(pages_.begin(), pages_.end(), handles)) return;
  if (notification != BN_CLICKED) return;
  switch (control) {
    case IDC_cmdOK0: cmdOK_Click(0); break;
    case IDC_cmdOK1: cmdOK_Click(1); break;
    case IDC_cmdCancel:
    case IDCANCEL: ::EndDialog(hwnd_, IDCANCEL); break;
    case IDC_cmdJumpBookMark: Jump(kBookmarkPage); break;
    case IDC_cmdJumpPriority: Jump(kPriorityPage); break;
    case IDC_cmdJumpVersion: Jump(kVersionPage); break;
    default: break;
  }
}

void MainDialog::OnScroll(HWND control, int request) {
  if (!control) return;
  const int id = ::GetDlgCtrlID(control);
  for (PageView* view : pages_) {
    if (view->OnScroll(id, request)) return;
  }
}

void MainDialog::OnFrameMouseMove(HWND page, LPARAM lParam) {
  for (PageView* view : pages_) view->OnFrameMouseMove();
  POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  // The mouse over the inside of a captioned box that explains itself.
  for (int frame : {IDC_frmPreview, IDC_frmDblClick}) {
    HWND box = ::GetDlgItem(page, frame);
    if (!box) continue;
    RECT rect{};
    ::GetWindowRect(box, &rect);
    ::MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    if (::PtInRect(&rect, at)) OnControlEvent(frame, ControlEvent::MouseMove);
  }
}

INT_PTR MainDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == IDC_TreeView1 && header->code == TVN_SELCHANGEDW) {
        TreeView1_NodeClick(reinterpret_cast<const NMTREEVIEWW*>(lParam)->itemNew.hItem);
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC: {
      auto* dc = reinterpret_cast<HDC>(wParam);
      ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case kTellUnreadable:
      ::ShowWindow(hwnd_, SW_SHOW);  // the box comes after the window, not instead of it
      TellUnreadableSettings();
      return TRUE;
    case kTellNotWritable:
      ::ShowWindow(hwnd_, SW_SHOW);
      ShowMessage(hwnd_, NamingFolder(LoadText(IDS_FolderNotWritable), folder_), MB_ICONWARNING);
      return TRUE;
    case kTellPageWarning:
      ::ShowWindow(hwnd_, SW_SHOW);
      ShowMessage(hwnd_, LoadText(static_cast<int>(wParam)), MB_ICONWARNING);
      return TRUE;
    case WM_CLOSE:
      ::EndDialog(hwnd_, IDCANCEL);
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR MainDialog::OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      if (!scroll_.OnPageMessage(page, message, wParam, lParam)) OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
      return TRUE;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return std::any_of(pages_.begin(), pages_.end(), [&](PageView* view) { return view->OnDrawItem(item); });
    }
    case WM_MOUSEMOVE:
      OnFrameMouseMove(page, lParam);
      return TRUE;
    case WM_SETCURSOR:
      if (std::any_of(pages_.begin(), pages_.end(),
                      [&](PageView* view) { return view->OnSetCursor(reinterpret_cast<HWND>(wParam)); })) {
        ::SetWindowLongPtrW(page, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_CTLCOLORSTATIC:
      for (PageView* view : pages_) {
        if (HBRUSH brush = view->OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
          return reinterpret_cast<INT_PTR>(brush);
        }
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace vantor::preference
