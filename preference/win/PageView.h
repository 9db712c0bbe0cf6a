// What the settings window asks of the view of each of its pages. A view answers for its own
// page's controls; what a view does not need does nothing.
#pragma once

#include "common/win/Windows.h"

#include "preference/win/HelpLine.h"

namespace vantor::preference {

class PageView {
 public:
  PageView() = default;
  PageView(const PageView&) = delete;
  PageView& operator=(const PageView&) = delete;
  virtual ~PageView() = default;

  // The window loads, in this order:
  // every page's window is made: takes its own and prepares its controls;
  virtual void Attach(HWND /*page*/) {}
  // the settings are read: takes what the view keeps of them, before the controls are filled
  // (filling runs the controls' change handlers);
  virtual void Load() {}
  // the window is laid out and about to show; `writable` tells whether the folder takes files
  // (where it does not, the window has told that once for all).
  virtual void Ready(bool /*writable*/) {}
  // Once the window shows, what it must tell of what the view read, as a string id; 0 for nothing.
  virtual int LoadWarning() const { return 0; }

  // Each time the page is shown.
  virtual void Show() {}

  // Handlers; each returns true when the control is one of this page's.
  virtual bool OnCommand(int /*control*/, int /*notification*/) { return false; }
  // A slider's or a scroll bar's message with its request code.
  virtual bool OnScroll(int /*control*/, int /*request*/) { return false; }
  virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }
  // Sets the cursor over `over`; true when it did.
  virtual bool OnSetCursor(HWND /*over*/) { return false; }
  // The brush of a static control that the view colours; null for any other.
  virtual HBRUSH OnColorStatic(HDC /*dc*/, HWND /*control*/) { return nullptr; }
  virtual void OnControlEvent(int /*control*/, ControlEvent /*event*/) {}
  // The mouse moved over a page's frame, not over one of its controls.
  virtual void OnFrameMouseMove() {}

  // OK and Apply, in this order:
  // takes the boxes as they read now, as leaving each box takes it;
  virtual void TakeTypedValues() {}
  // once Vantor.ini is written, writes the view's own file (links.lst, the last file); false
  // when the window must stay open;
  virtual bool SaveFile(HWND /*owner*/) { return true; }
  // writes what the view keeps outside the folder, also where the folder took no file; false
  // when the window must stay open.
  virtual bool SaveOutside(HWND /*owner*/) { return true; }
};

}  // namespace vantor::preference
