// Where a window goes on a monitor's work area, on plain rectangles.
#include "placement.h"

#include <gtest/gtest.h>

namespace zozi::ui {
namespace {

TEST(PlacementTest, CentredOnTheWorkAreaOfAnyMonitorAndNeverOffItsTopOrLeft) {
  // A second monitor left of the primary one: its coordinates are negative. The taskbar takes
  // 40 pixels at its bottom.
  const ScreenRect left{-1920, 0, 0, 1040};
  EXPECT_EQ(centredOn(left, 601, 400), (ScreenRect{-1261, 320, -660, 720}));  // 1319 / 2 = 659
  // One above the primary, with an odd leftover.
  const ScreenRect above{0, -1080, 1920, 0};
  EXPECT_EQ(centredOn(above, 217, 105), (ScreenRect{851, -593, 1068, -488}));  // 975 / 2 = 487
  // Larger than the work area: the top and left edges stay on it, the size is kept.
  EXPECT_EQ(centredOn(left, 2000, 1200), (ScreenRect{-1920, 0, 80, 1200}));
  EXPECT_EQ(centredOn(above, 400, 1300), (ScreenRect{760, -1080, 1160, 220}));
}

}  // namespace
}  // namespace zozi::ui
