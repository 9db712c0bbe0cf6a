// What the current process holds of the system's objects, counted from inside: GDI objects,
// icons and cursors, menus, its threads' windows and kernel handles. Each count probes every
// possible handle value with a call that fails on a free one, so it needs no counter the
// platform may not provide (GetGuiResources and GetProcessHandleCount return 0 under Wine).
#pragma once

#include <ostream>

namespace vantor::test {

struct GuiCounts {
  int gdiObjects = 0;
  int icons = 0;
  int menus = 0;
  int windows = 0;
  int handles = 0;

  static GuiCounts OfThisProcess();
  bool operator==(const GuiCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const GuiCounts& counts);

}  // namespace vantor::test
