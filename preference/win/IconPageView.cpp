#include "preference/win/IconPageView.h"

#include <commdlg.h>

#include <algorithm>

#include "common/win/CanvasPainter.h"
#include "common/win/Dpi.h"
#include "common/win/WinPicture.h"
#include "preference/core/IconPage.h"
#include "preference/win/FileDialogs.h"
#include "preference/win/Ui.h"
#include "resources/preference_ids.h"

namespace vantor::preference {
namespace {

constexpr int kPalette[kPaletteSize] = {IDC_PicIconColor0, IDC_PicIconColor1, IDC_PicIconColor2,
                                        IDC_PicIconColor3, IDC_PicIconColor4};
constexpr int kLabels[kPaletteSize] = {IDC_Label4, IDC_Label3, IDC_Label9, IDC_Label6, IDC_Label7};

int PaletteIndex(int control) {
  for (int i = 0; i < kPaletteSize; ++i) {
    if (kPalette[i] == control) return i;
  }
  return -1;
}

// Marker size and the places of label and colour box inside it, in pixels at 96 dpi.
constexpr int kMarkerWidth = 98, kMarkerHeight = 28;

}  // namespace

void IconPageView::Attach(HWND page) {
  page_ = page;
  for (int i = 0; i < kPaletteSize; ++i) {
    const TwipPoint at = MarkerPosition(i);
    const int x = at.x / 15, y = at.y / 15;
    ::MoveWindow(Item(kLabels[i]), Scaled(x + 3), Scaled(y + 7), Scaled(74), Scaled(16), FALSE);
    ::MoveWindow(Item(kPalette[i]), Scaled(x + 77), Scaled(y + 4), Scaled(18), Scaled(20), FALSE);
  }
  ::MoveWindow(Item(IDC_ShapeColor), 0, 0, Scaled(kMarkerWidth), Scaled(kMarkerHeight), FALSE);
  ::ShowWindow(Item(IDC_ShapeColor), SW_HIDE);
  preview_ = preference::DrawPreview(settings_, nullptr, FaceSize());
}

// The icon as the monitor shows it at this window's DPI: 16 pixels at 100 %, 24 at 150 %.
int IconPageView::FaceSize() const {
  return std::clamp(::MulDiv(kIconSize, DpiOfWindow(page_), 96), kIconSize, kMaxIconSize);
}

void IconPageView::MoveMarker(int index) {
  const TwipPoint at = MarkerPosition(index);
  HWND marker = Item(IDC_ShapeColor);
  ::SetWindowPos(marker, HWND_BOTTOM, Scaled(at.x / 15), Scaled(at.y / 15), 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  ::ShowWindow(marker, SW_SHOW);
}

void IconPageView::OnControlEvent(int control, ControlEvent event) {
  const int index = PaletteIndex(control);
  if (index < 0) return;
  if (event == ControlEvent::Focus || event == ControlEvent::MouseMove) MoveMarker(index);
  if (event == ControlEvent::KillFocus) ::ShowWindow(Item(IDC_ShapeColor), SW_HIDE);
}

bool IconPageView::OnCommand(int control, int notification) {
  if (notification != BN_CLICKED) return PaletteIndex(control) >= 0;
  const int index = PaletteIndex(control);
  if (index >= 0) {
    ChooseColour(index);
    return true;
  }
  switch (control) {
    case IDC_CheckWaku:
      settings_.IconFrame = IsTicked(Item(control));
      DrawPreview();
      return true;
    case IDC_CheckMoji:
      settings_.IconText = IsTicked(Item(control));
      DrawPreview();
      return true;
    case IDC_CheckBackImage:
      ImageSwitch(control, &MainSettings::IconBack);
      return true;
    case IDC_CheckGraphImage:
      ImageSwitch(control, &MainSettings::IconGraph);
      return true;
    case IDC_comLoadImage:
      ChoosePicture();
      return true;
    case IDC_CheckTimeLeft:
      settings_.TimeLeft = IsTicked(Item(control));
      return true;
    case IDC_optShowSetting:
    case IDC_optShowUDAgent:
      settings_.DblClick = DblClickValue(control == IDC_optShowUDAgent);
      return true;
    default:
      return false;
  }
}

void IconPageView::ImageSwitch(int control, bool MainSettings::*flag) {
  const std::wstring inBox = ControlText(Item(IDC_txtIconImage));
  const bool exists = !inBox.empty() && files_.FileExists(inBox);
  const bool on = preference::ImageSwitch(IsTicked(Item(control)), exists, settings_.IconPicture);
  SetTicked(Item(control), on);
  settings_.*flag = on;
  DrawPreview();
}

void IconPageView::ChooseColour(int index) {
  static COLORREF custom[16] = {};
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = ::GetAncestor(page_, GA_ROOT);
  dialog.rgbResult = static_cast<COLORREF>(PaletteColour(settings_, index)) & 0xFFFFFF;
  dialog.lpCustColors = custom;
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!::ChooseColorW(&dialog)) return;  // cancelled or failed: nothing changes
  // The palette box and the preview show what is stored, which is what the monitor draws.
  SetPaletteColour(settings_, index, static_cast<std::int32_t>(dialog.rgbResult & 0xFFFFFF));
  ShowPaletteColour(index, PaletteColour(settings_, index));
  DrawPreview();
}

void IconPageView::ChoosePicture() {
  const auto file = ChooseFile(::GetAncestor(page_, GA_ROOT), IDS_FileOpenTitle, IDS_BitmapFilter, L"*.bmp");
  if (!file) return;  // cancelled or failed: nothing changes
  SetControlText(Item(IDC_txtIconImage), *file);
  settings_.IconPicture = ControlText(Item(IDC_txtIconImage));
  if (!LoadPicture(settings_.IconPicture)) return;  // the old picture and preview stay
  DrawPreview();
}

bool IconPageView::LoadPicture(const std::wstring& path) {
  if (path.empty()) {
    picture_.reset();
    return true;
  }
  std::optional<Picture> loaded = LoadBitmapPicture(path);
  if (!loaded) return false;
  picture_ = std::move(loaded);
  return true;
}

void IconPageView::ShowPaletteColour(int index, std::int32_t colour) {
  if (index < 0 || index >= kPaletteSize) return;
  shown_[index] = colour;
  ::InvalidateRect(Item(kPalette[index]), nullptr, TRUE);
}

void IconPageView::DrawPreview() {
  preview_ = preference::DrawPreview(settings_, picture_ ? &*picture_ : nullptr, FaceSize());
  ::InvalidateRect(Item(IDC_PicPreview), nullptr, FALSE);
  ::InvalidateRect(Item(IDC_PicPreviewSmall), nullptr, FALSE);
}

void IconPageView::PaintCanvas(HDC dc, const RECT& rect, bool enlarged) const {
  ::FillRect(dc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  // The face as it is, or enlarged by whole pixels to fill the larger box.
  int size = preview_.Size();
  if (enlarged) size = std::max((width < height ? width : height) / size, 1) * size;
  vantor::PaintCanvas(dc, preview_, rect.left, rect.top, size);
}

bool IconPageView::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int control = static_cast<int>(item.CtlID);
  const int index = PaletteIndex(control);
  if (index >= 0) {
    HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(shown_[index]) & 0xFFFFFF);
    ::FillRect(item.hDC, &item.rcItem, brush);
    ::DeleteObject(brush);
    ::FrameRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_WINDOWTEXT));
    if (item.itemState & ODS_FOCUS) {
      RECT inner = item.rcItem;
      ::InflateRect(&inner, -2, -2);
      ::DrawFocusRect(item.hDC, &inner);
    }
    return true;
  }
  if (control == IDC_PicPreview || control == IDC_PicPreviewSmall) {
    PaintCanvas(item.hDC, item.rcItem, control == IDC_PicPreview);
    return true;
  }
  return false;
}

}  // namespace vantor::preference
