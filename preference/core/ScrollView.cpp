#include "preference/core/ScrollView.h"

#include <algorithm>

namespace vantor::preference {

Bars BarsNeeded(Extent content, Extent outer, Extent bar) {
  Bars bars{content.width > outer.width, content.height > outer.height};
  // A bar takes room from the other way, which may then need its bar too.
  bars.vertical = bars.vertical || (bars.horizontal && content.height > outer.height - bar.height);
  bars.horizontal = bars.horizontal || (bars.vertical && content.width > outer.width - bar.width);
  return bars;
}

Extent ViewSize(Extent content, Extent room, Extent bar) {
  const Bars bars = BarsNeeded(content, room, bar);
  return {std::min(room.width, content.width + (bars.vertical ? bar.width : 0)),
          std::min(room.height, content.height + (bars.horizontal ? bar.height : 0))};
}

int PositionShowing(int position, int start, int end, int size) {
  if (end - start > size) return start >= 0 && start < size ? position : position + start;
  if (start < 0) return position + start;
  if (end > size) return position + end - size;
  return position;
}

int Wheel::Steps(int delta, int perNotch) {
  if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) rest_ = 0;
  rest_ += delta * perNotch;
  const int steps = rest_ / kNotch;
  rest_ -= steps * kNotch;
  return steps;
}

}  // namespace vantor::preference
