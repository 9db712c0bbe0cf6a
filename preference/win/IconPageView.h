// The icon page: the palette with its marker, the frame and digit switches, the picture
// chooser and its switches, the double-click choice, and the preview.
#pragma once

#include "common/win/Windows.h"

#include <optional>
#include <string>

#include "common/core/Canvas.h"
#include "common/core/Ports.h"
#include "common/core/Settings.h"
#include "preference/win/PageView.h"

namespace vantor::preference {

class IconPageView : public PageView {
 public:
  IconPageView(MainSettings& settings, FilePort& files) : settings_(settings), files_(files) {}

  // Places the palette and its marker on `page`, the icon page's frame.
  void Attach(HWND page) override;
  void Ready(bool) override { DrawPreview(); }
  void Show() override { DrawPreview(); }

  // Handlers; each returns true when the control is one of this page's.
  bool OnCommand(int control, int notification) override;
  bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
  void OnControlEvent(int control, ControlEvent event) override;

  // Shows a palette entry's colour (the settings are not changed).
  void ShowPaletteColour(int index, std::int32_t colour);
  // Loads the picture that the preview draws from; an empty path clears it. False when the
  // file cannot be read (the old picture stays).
  bool LoadPicture(const std::wstring& path);
  void DrawPreview();

 private:
  HWND Item(int id) const { return ::GetDlgItem(page_, id); }
  void ChooseColour(int index);
  void ChoosePicture();
  void ImageSwitch(int control, bool MainSettings::*flag);
  void MoveMarker(int index);
  void PaintCanvas(HDC dc, const RECT& rect, bool enlarged) const;
  int FaceSize() const;

  MainSettings& settings_;
  FilePort& files_;
  HWND page_ = nullptr;
  std::int32_t shown_[5] = {};
  std::optional<Picture> picture_;  // the loaded bitmap
  Canvas preview_;
};

}  // namespace vantor::preference
