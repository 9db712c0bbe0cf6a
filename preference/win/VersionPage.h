// The version page: the program's icon, the version, the authorship line and the home-page
// link with its underline.
#pragma once

#include "common/win/Windows.h"

#include "preference/win/PageView.h"

namespace vantor::preference {

// Where the link leads; the space key on the icon opens the index page on the second host.
inline constexpr wchar_t kHomePage[] = L"http://vantor.example.org/";
inline constexpr wchar_t kSecondHomePage[] = L"http://www.vantor.example.net/index.html";

class VersionPage : public PageView {
 public:
  void Attach(HWND page) override;
  bool OnCommand(int control, int notification) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  // Sets the hand cursor over the link; true when it did.
  bool OnSetCursor(HWND over) override;
  void OnControlEvent(int control, ControlEvent event) override;
  // The mouse moved over a page frame.
  void OnFrameMouseMove() override { ShowUnderline(false); }
  // Colours the link.
  HBRUSH OnColorStatic(HDC dc, HWND control) override;

 private:
  void ShowUnderline(bool shown);
  void Open(const wchar_t* address);

  HWND page_ = nullptr;
};

}  // namespace vantor::preference
