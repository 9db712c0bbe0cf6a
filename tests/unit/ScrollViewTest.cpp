#include "preference/core/ScrollView.h"

#include <gtest/gtest.h>

namespace vantor::preference {

// A page of 300 x 200 with bars 20 wide: a bar only where the content does not fit, counting
// the other bar's room; the control that takes the focus in view; the wheel's part notches.
TEST(PreferenceScroll, BarsOnlyWhereNeededFocusInViewAndPartNotchesKept) {
  const struct {
    Extent room;
    Bars bars;
    Extent view;
  } cases[] = {
      {{400, 300}, {false, false}, {300, 200}},  // fits
      {{400, 150}, {false, true}, {320, 150}},   // height short: the view widens by the bar
      {{310, 150}, {true, true}, {310, 150}},    // height short, no room for the bar: both
      {{250, 300}, {true, false}, {250, 220}},   // width short
      {{250, 210}, {true, true}, {250, 210}},    // width short, no room for the bar: both
      {{250, 150}, {true, true}, {250, 150}},    // both
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BarsNeeded({300, 200}, c.room, {20, 20}), c.bars) << c.room.width << "x" << c.room.height;
    EXPECT_EQ(ViewSize({300, 200}, c.room, {20, 20}), c.view) << c.room.width << "x" << c.room.height;
  }
  EXPECT_EQ(PositionShowing(40, 80, 130, 100), 70);    // after the view: its end at the edge
  EXPECT_EQ(PositionShowing(40, 120, 250, 100), 160);  // larger than the view: its start at the edge,
  EXPECT_EQ(PositionShowing(40, 20, 150, 100), 40);    // or where it is, when it is in view
  Wheel wheel;
  EXPECT_EQ(wheel.Steps(40, 3), 1);     // a third of a notch at 3 lines
  EXPECT_EQ(wheel.Steps(20, 3), 0);     // half a line kept
  EXPECT_EQ(wheel.Steps(-120, 3), -3);  // the other way: what was kept is dropped
  EXPECT_EQ(wheel.Steps(-20, 3) + wheel.Steps(-20, 3), -1);
}

}  // namespace vantor::preference
