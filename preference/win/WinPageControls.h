// The pages' controls as filling them needs: check boxes, texts, option pairs, sliders and
// the scroll bar, the palette and the icon picture.
#pragma once

#include "common/win/Windows.h"

#include <functional>

#include "preference/core/FillPages.h"
#include "preference/win/IconPageView.h"

namespace vantor::preference {

class WinPageControls : public PageControls {
 public:
  // `control` finds a control of any page by its id (null when none has it).
  WinPageControls(std::function<HWND(int)> control, IconPageView& icon) : control_(std::move(control)), icon_(icon) {}

  // Sets the ranges and steps of the sliders and the scroll bar.
  void InitRanges();

  void SetPaletteColour(int index, std::int32_t colour) override { icon_.ShowPaletteColour(index, colour); }
  void SetCheck(int control, bool ticked) override;
  void SetText(int control, const std::wstring& text) override;
  void SelectOption(int control) override;
  void SetPosition(int control, int value) override;
  bool LoadIconPicture(const std::wstring& path) override { return icon_.LoadPicture(path); }

 private:
  HWND Get(int id) const;

  std::function<HWND(int)> control_;
  IconPageView& icon_;
};

}  // namespace vantor::preference
