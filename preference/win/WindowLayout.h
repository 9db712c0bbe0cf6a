// The settings window's layout, in dialog units of the window's own font at its DPI, so that
// it holds at every scaling: the window is as large as its largest page needs, with the tree
// beside the pages and the help line and the buttons below, and stays inside the work area.
// Where the work area is too small for that, the pages keep their size and scroll (PageScroll).
#pragma once

#include "common/win/Windows.h"

#include <array>

#include "preference/core/PageTree.h"

namespace vantor::preference {

// Sizes, places and centres the window and all its controls. `pages` are the page frames as
// their templates made them; each holds a group box with the id IDC_PageFrame0 + its index.
void LayoutWindow(HWND window, const std::array<HWND, kPageCount>& pages);

// Makes `label` as wide as its text up to and including its last ideographic space, so that
// its lines break there (its texts pad their first lines with such spaces).
void BreakAfterSpaces(HWND label);

// Breaks `label`'s text into lines that fit its width, as Japanese text breaks (every
// system wraps it its own way, some not at all), and makes it tall enough for them.
void WrapLines(HWND label);

}  // namespace vantor::preference
