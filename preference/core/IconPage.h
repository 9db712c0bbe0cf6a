// The icon page's rules: the five palette entries and their marker, the picture switches,
// the double-click choice and the preview.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/Canvas.h"
#include "common/core/Settings.h"

namespace vantor::preference {

inline constexpr int kPaletteSize = 5;
// The progress the preview always shows.
inline constexpr std::int16_t kPreviewPercent = 50;

// Palette entry 0 background, 1 graph, 2 frame, 3 text, 4 shadow. Both throw
// std::out_of_range for any other index.
std::int32_t PaletteColour(const MainSettings& settings, int index);
// Stores the colour the user picked as StoredColour gives it.
void SetPaletteColour(MainSettings& settings, int index, std::int32_t colour);

// The colour word that stands for pure black where a stored 0 means the key's default (graph,
// frame, text): the nearest word that is not 0, one step of red, which every copy of both
// programs reads back as itself.
inline constexpr std::int32_t kStoredBlack = 1;
// The colour word kept for a picked `colour` of palette entry `index`: pure black becomes
// kStoredBlack for the entries whose default is not black; everything else stays as picked.
std::int32_t StoredColour(int index, std::int32_t colour);

// Where the palette marker stands for entry `index`, in twips inside the page.
struct TwipPoint {
  int x;
  int y;
};
TwipPoint MarkerPosition(int index);

// A picture switch (background or graph) that the user ticks stays ticked only while a
// picture has been chosen and the file named in the path box exists. Returns the tick, which
// is also the new flag.
bool ImageSwitch(bool ticked, bool fileInBoxExists, const std::wstring& storedPath);

// The double-click action as stored: 1 shows the agent's window, 0 the settings window.
inline std::int16_t DblClickValue(bool showAgent) { return showAgent ? 1 : 0; }
inline bool DblClickShowsAgent(std::int16_t value) { return value != 0; }

// A stored picture that could not be loaded: both picture options off, the path forgotten.
void ForgetPicture(MainSettings& settings);

// The preview: the monitor's icon for 50 percent with the same settings and picture, drawn
// at `size` pixels as the monitor draws it there.
Canvas DrawPreview(const MainSettings& settings, const Picture* picture, int size = kIconSize);

}  // namespace vantor::preference
