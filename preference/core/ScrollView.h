// The arithmetic of a page that scrolls: which scroll bars it needs, how large its view is,
// where it scrolls to show a control, and how far the mouse wheel moves it. In pixels.
#pragma once

namespace vantor::preference {

struct Extent {
  int width = 0;
  int height = 0;
  friend bool operator==(const Extent&, const Extent&) = default;
};

struct Bars {
  bool horizontal = false;
  bool vertical = false;
  friend bool operator==(const Bars&, const Bars&) = default;
};

// The bars that a view of `outer` pixels (bars included) needs for `content`: a bar only where
// the content does not fit, counting the room that the other bar takes (`bar.width` is a
// vertical bar's width, `bar.height` a horizontal bar's height).
Bars BarsNeeded(Extent content, Extent outer, Extent bar);

// The view for `content` in at most `room`: as large as the content with the bars it needs,
// so that a bar for one way never makes a bar for the other.
Extent ViewSize(Extent content, Extent room, Extent bar);

// The scroll position that shows the span `start` to `end` (in view pixels at `position`) in a
// view of `size`: wholly where it fits, else with its start in view (at the edge when it was
// not). Unchanged when already so.
int PositionShowing(int position, int start, int end, int size);

// The mouse wheel: whole steps for the turns so far, keeping what is left of a notch (precision
// touchpads send less than a notch at a time). A turn the other way drops what was left.
class Wheel {
 public:
  static constexpr int kNotch = 120;
  // Steps (lines or pages) for a turn of `delta` at `perNotch` steps a notch; positive away
  // from the user, which scrolls up.
  int Steps(int delta, int perNotch);

 private:
  int rest_ = 0;  // in notch units times steps per notch
};

}  // namespace vantor::preference
