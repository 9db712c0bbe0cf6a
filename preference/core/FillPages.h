// Putting the in-memory settings into the controls of every page when the window loads.
#pragma once

#include <cstdint>
#include <string>

#include "common/core/Ports.h"
#include "common/core/Settings.h"

namespace vantor::preference {

// The pages' controls as filling them needs; the Win32 window implements it. Controls are
// addressed by resource id. Any call may throw; the step it belongs to is then skipped.
class PageControls {
 public:
  virtual ~PageControls() = default;
  virtual void SetPaletteColour(int index, std::int32_t colour) = 0;
  virtual void SetCheck(int control, bool ticked) = 0;
  virtual void SetText(int control, const std::wstring& text) = 0;
  virtual void SelectOption(int control) = 0;
  // The position of a slider or scroll bar; also shows it in the control's value label.
  virtual void SetPosition(int control, int value) = 0;
  // Loads the icon picture (an empty path clears it); false when the file cannot be read.
  virtual bool LoadIconPicture(const std::wstring& path) = 0;
};

// The range a slider or scroll bar accepts; a value outside it leaves the control as it was.
struct PositionRange {
  int min;
  int max;
};
PositionRange RangeOf(int control);

// The read-out of a percent list: its stored text up to, not including, the last ";".
std::wstring PercentReadOut(const std::wstring& storedText);

// Fills every page in order. Each assignment that fails is skipped and the next one runs.
// A stored picture that cannot be loaded is forgotten (`settings` changes); a picture
// switch stays on only while its file exists.
void FillPages(MainSettings& settings, PageControls& controls, FilePort& files);

}  // namespace vantor::preference
