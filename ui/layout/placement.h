// Where a window goes on a monitor, worked out on plain rectangles in screen pixels: nothing here
// depends on the window system, so the rules are tested natively. A monitor left of or above the
// primary one has negative coordinates.
#pragma once

namespace zozi::ui {

struct ScreenRect {
  int left;
  int top;
  int right;
  int bottom;

  bool operator==(const ScreenRect&) const = default;
};

// Where a window of the given outer size goes on a work area: centred, except that one larger
// than the work area keeps its top (or left) edge on the work area's, so its caption stays in
// reach.
ScreenRect centredOn(const ScreenRect& work, int outerWidth, int outerHeight);

}  // namespace zozi::ui
