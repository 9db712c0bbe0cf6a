// What the current process holds of the system's objects, counted from inside: GDI objects,
// USER objects (icons and cursors, menus, its threads' windows) and kernel handles. Where the
// system keeps the counts (GetGuiResources, GetProcessHandleCount) they are read; where it
// answers 0 (Wine) every possible handle value is probed with a call that fails on a free one.
#pragma once

#include <ostream>

namespace vantor::test {

struct GuiCounts {
  int gdiObjects = 0;
  int userObjects = 0;
  int handles = 0;
  bool probed = false;  // the counts come from the probe, not from the system

  static GuiCounts OfThisProcess();
  bool operator==(const GuiCounts&) const = default;
};

// The windows of the threads of a process, their child windows included; from any process.
int CountWindowsOf(unsigned long processId);

std::ostream& operator<<(std::ostream& out, const GuiCounts& counts);

}  // namespace vantor::test
