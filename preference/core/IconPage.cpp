#include "preference/core/IconPage.h"

#include <stdexcept>

#include "common/core/IconComposer.h"

namespace vantor::preference {
namespace {

std::int32_t MainSettings::*PaletteMember(int index) {
  switch (index) {
    case 0: return &MainSettings::ColorBack;
    case 1: return &MainSettings::ColorGraph;
    case 2: return &MainSettings::ColorFrame;
    case 3: return &MainSettings::ColorText;
    case 4: return &MainSettings::ColorShadow;
    default: throw std::out_of_range("palette index");
  }
}

}  // namespace

std::int32_t PaletteColour(const MainSettings& settings, int index) {
  return settings.*PaletteMember(index);
}

void SetPaletteColour(MainSettings& settings, int index, std::int32_t colour) {
  settings.*PaletteMember(index) = StoredColour(index, colour);
}

std::int32_t StoredColour(int index, std::int32_t colour) {
  const bool zeroIsDefault = PaletteMember(index) != &MainSettings::ColorBack &&
                             PaletteMember(index) != &MainSettings::ColorShadow;
  return colour == 0 && zeroIsDefault ? kStoredBlack : colour;
}

TwipPoint MarkerPosition(int index) {
  static const TwipPoint kPositions[kPaletteSize] = {
      {240, 240}, {1680, 240}, {3240, 240}, {240, 720}, {1680, 720}};
  if (index < 0 || index >= kPaletteSize) throw std::out_of_range("palette index");
  return kPositions[index];
}

bool ImageSwitch(bool ticked, bool fileInBoxExists, const std::wstring& storedPath) {
  return ticked && fileInBoxExists && !storedPath.empty();
}

void ForgetPicture(MainSettings& settings) {
  settings.IconBack = false;
  settings.IconGraph = false;
  settings.IconPicture.clear();
}

Canvas DrawPreview(const MainSettings& settings, const Picture* picture, int size) {
  return ComposeIcon(settings, kPreviewPercent, picture, false, size);
}

}  // namespace vantor::preference
