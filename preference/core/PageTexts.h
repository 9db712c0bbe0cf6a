// Which string the window shows where: the captions that are set when the window loads,
// and the help line's text for each control that explains itself.
#pragma once

#include <span>

namespace vantor::preference {

struct CaptionEntry {
  int control;  // resource id of the control
  int textId;   // string id of its caption
};

// Every caption taken from the string table: the page frames 0 to 8 and the labels, check
// boxes, option buttons and buttons inside them.
std::span<const CaptionEntry> Captions();

// When a control shows its help text.
enum HelpEvent : unsigned {
  kOnFocus = 1,      // it receives the keyboard focus
  kOnMouseMove = 2,  // the mouse moves over it
  kOnMouseDown = 4,  // a mouse button is pressed over it
};

struct HelpEntry {
  int control;
  int textId;  // 0: the empty text, which clears the help line
  unsigned events;
};

// The help table; one entry per control.
std::span<const HelpEntry> HelpEntries();

// The entry of `control`, or null when it shows no help.
const HelpEntry* FindHelp(int control);

}  // namespace vantor::preference
