#include "tests/e2e/PreferenceProgram.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "preference/core/PageTree.h"

namespace vantor::test {
namespace {

// The first visible top-level dialog of `pid` that is not `except` and, when `title` is
// given, carries that title.
HWND FindDialog(DWORD pid, HWND except, const wchar_t* title) {
  struct Search {
    DWORD pid;
    HWND except;
    const wchar_t* title;
    HWND found;
  } search{pid, except, title, nullptr};
  ::EnumWindows(
      [](HWND hwnd, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        wchar_t cls[64] = {};
        ::GetClassNameW(hwnd, cls, 64);
        if (owner != s->pid || hwnd == s->except || lstrcmpW(cls, L"#32770") != 0 || !::IsWindowVisible(hwnd)) {
          return TRUE;
        }
        if (s->title && WindowText(hwnd) != s->title) return TRUE;
        s->found = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

PreferenceProgram::PreferenceProgram(const std::wstring& folder) {
  if (folder.empty()) {
    own_ = std::make_unique<TempFolder>(L"pref");
    folder_ = own_->Path();
  } else {
    folder_ = folder;
  }
  ::CopyFileW((BinFolder() + L"\\Preference.exe").c_str(), Exe().c_str(), FALSE);
}

Process PreferenceProgram::Start() const {
  Process p = Process::Start(Exe());
  EXPECT_TRUE(WaitUntil([&] { return MainWindow(p) != nullptr; })) << "Preference's window";
  return p;
}

HWND PreferenceProgram::MainWindow(const Process& process) {
  return FindDialog(process.Id(), nullptr, L"Vantor ver.2.1.0");
}

HWND PreferenceProgram::Page(HWND main, int index) { return ::GetDlgItem(main, preference::PageWindowId(index)); }

HWND PreferenceProgram::Control(HWND main, int id) {
  if (HWND h = ::GetDlgItem(main, id)) return h;
  for (int i = 0; i < preference::kPageCount; ++i) {
    if (HWND h = ::GetDlgItem(Page(main, i), id)) return h;
  }
  return nullptr;
}

std::vector<HTREEITEM> PreferenceProgram::Nodes(HWND main) {
  HWND tree = ::GetDlgItem(main, IDC_TreeView1);
  const auto next = [tree](HTREEITEM item, WPARAM how) {
    return reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
  };
  std::vector<HTREEITEM> nodes;
  for (HTREEITEM top = next(nullptr, TVGN_ROOT); top; top = next(top, TVGN_NEXT)) {
    nodes.push_back(top);
    for (HTREEITEM child = next(top, TVGN_CHILD); child; child = next(child, TVGN_NEXT)) nodes.push_back(child);
  }
  return nodes;
}

void PreferenceProgram::SelectNode(HWND main, HTREEITEM node) {
  ::SendDlgItemMessageW(main, IDC_TreeView1, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
}

void PreferenceProgram::ClickNode(HWND main, HTREEITEM node) {
  // The tree answers where the node is in memory of its own process.
  HWND tree = ::GetDlgItem(main, IDC_TreeView1);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(tree, &pid);
  OwnedHandle process(::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  ASSERT_TRUE(process);
  void* remote = ::VirtualAllocEx(process.Get(), nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  ASSERT_NE(remote, nullptr);
  ::WriteProcessMemory(process.Get(), remote, &node, sizeof(node), nullptr);  // the request: which node
  const bool shown = ::SendMessageW(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote)) != 0;
  RECT rect{};
  ::ReadProcessMemory(process.Get(), remote, &rect, sizeof(rect), nullptr);
  ::VirtualFreeEx(process.Get(), remote, 0, MEM_RELEASE);
  ASSERT_TRUE(shown);
  const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  ::PostMessageW(tree, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageW(tree, WM_LBUTTONUP, 0, at);
  // Both are handled once a message sent after them returns.
  ::SendMessageW(tree, WM_NULL, 0, 0);
}

std::vector<int> PreferenceProgram::VisiblePages(HWND main) {
  std::vector<int> shown;
  for (int i = 0; i < preference::kPageCount; ++i) {
    if (::IsWindowVisible(Page(main, i))) shown.push_back(i);
  }
  return shown;
}

HWND WaitForDialog(const Process& process, HWND except, DWORD milliseconds) {
  HWND box = nullptr;
  WaitUntil([&] { return (box = FindDialog(process.Id(), except, nullptr)) != nullptr; }, milliseconds);
  return box;
}

void SaveWindowPicture(HWND window, const std::wstring& path) {
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  ::SelectObject(memory, old);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  const int stride = (width * 3 + 3) & ~3;
  std::string pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), '\0');
  ::GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
              DIB_RGB_COLORS);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size());
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof(file));
  bytes.append(reinterpret_cast<const char*>(&header), sizeof(header));
  bytes += pixels;
  WriteBytes(path, bytes);
}

void Click(HWND main, int id) { ::SendMessageW(PreferenceProgram::Control(main, id), BM_CLICK, 0, 0); }

void SetText(HWND main, int id, const std::wstring& text) {
  ::SendMessageW(PreferenceProgram::Control(main, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring Text(HWND main, int id) { return WindowText(PreferenceProgram::Control(main, id)); }

}  // namespace vantor::test
