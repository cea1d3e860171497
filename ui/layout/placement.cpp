#include "placement.h"

namespace zozi::ui {

ScreenRect centredOn(const ScreenRect& work, int outerWidth, int outerHeight) {
  int x = work.left + ((work.right - work.left) - outerWidth) / 2;
  int y = work.top + ((work.bottom - work.top) - outerHeight) / 2;
  // A window larger than the work area is not centred off its top or left edge: the caption
  // stays within reach (the system would otherwise also cap its height).
  if (x < work.left) x = work.left;
  if (y < work.top) y = work.top;
  return ScreenRect{x, y, x + outerWidth, y + outerHeight};
}

}  // namespace zozi::ui
