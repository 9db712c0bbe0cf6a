// frmMain, the settings window: the page tree, the page frames, the help line and the
// OK / Apply / Cancel buttons, over an in-memory copy of the settings.
#pragma once

#include "common/win/Windows.h"

#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "common/core/Settings.h"
#include "common/win/Handle.h"
#include "common/win/WinPlatform.h"
#include "common/win/WinTextFiles.h"
#include "preference/core/PageTree.h"
#include "preference/win/HelpLine.h"
#include "preference/win/PageScroll.h"
#include "preference/win/PageViews.h"
#include "preference/win/WinRegistry.h"

namespace vantor::preference {

class MainDialog : public ControlEventSink {
 public:
  explicit MainDialog(std::wstring folder);
  MainDialog(const MainDialog&) = delete;
  MainDialog& operator=(const MainDialog&) = delete;

  // Shows the window until OK or Cancel ends it.
  void Run();

  void OnControlEvent(int control, ControlEvent event) noexcept override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK TreeProc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnPageMessage(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

  void Form_Load();
  void CreatePages();
  void Layout();
  void BuildPageTree();
  void ApplyCaptions();
  void WatchControls();
  void TellUnreadableSettings();

  void TreeView1_NodeClick(HTREEITEM node);
  void ShowPage(Page page);
  void Jump(Page page);
  // OK (index 0) and Apply (1).
  void cmdOK_Click(int index);
  // Writes Vantor.ini and then the pages' own files, telling what fails; false when the window
  // must stay open.
  bool SaveFiles(const std::wstring& uda, const std::wstring& other);
  void ShowHelp(const std::wstring& text);
  void OnCommand(int control, int notification);
  void OnScroll(HWND control, int request);
  void OnFrameMouseMove(HWND page, LPARAM lParam);

  // A control of the window or of any page; null when none has that id.
  HWND Control(int id) const;

  std::wstring folder_;
  WinProfile profile_;
  WinFiles files_;
  WinTextFiles textFiles_;
  WinRegistry registry_;
  MainSettings settings_;
  std::vector<std::wstring> unreadable_;

  HWND hwnd_ = nullptr;
  std::array<HWND, kPageCount> frmSetting_{};
  std::array<HTREEITEM, kPageCount> nodes_{};  // the node of each page
  Owned<GdiObjectTraits<HFONT>> titleFont_;
  PageScroll scroll_;
  PageViews pages_;
};

}  // namespace vantor::preference
