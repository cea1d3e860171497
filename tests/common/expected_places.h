// Where a control must sit and how tall its font must be at a screen scale, worked out here from
// the twips and the point sizes, never by the program's own conversion. 1440 twips and 7200
// hundredths of a point make an inch of `dpi` pixels; a result that falls on half a pixel is
// rounded up, never cut (at 144 dpi 6015 twips are 601.5 pixels: 602).
#pragma once

#include <windows.h>

#include <array>
#include <span>

#include "layout_table.h"

namespace zozi::test {

inline int pixelsFor(int twips, UINT dpi) { return (twips * static_cast<int>(dpi) + 720) / 1440; }

// LOGFONT's height for a size: the character height, negative.
inline int fontHeightFor(int centipoints, UINT dpi) {
  return -((centipoints * static_cast<int>(dpi) + 3600) / 7200);
}

// The one place that reads a row's place: its rectangle in twips and the frame it sits in
// (0: the window itself).
using ui::TwipRect;
inline TwipRect twipsOf(const ui::ControlSpec& row) { return row.rect; }
inline int frameOf(const ui::ControlSpec& row) { return row.frameId; }

// A control's rectangle in its window's client pixels: inside a frame it is offset by the
// frame's place, and each edge is converted on its own, so that controls touching in twips
// touch in pixels.
inline RECT expectedPlace(std::span<const ui::ControlSpec> table, const ui::ControlSpec& row,
                          UINT dpi) {
  TwipRect twips = twipsOf(row);
  for (const ui::ControlSpec& frame : table) {
    if (frameOf(row) != 0 && frame.id == frameOf(row)) {
      twips.left += twipsOf(frame).left;
      twips.top += twipsOf(frame).top;
    }
  }
  return {pixelsFor(twips.left, dpi), pixelsFor(twips.top, dpi),
          pixelsFor(twips.left + twips.width, dpi), pixelsFor(twips.top + twips.height, dpi)};
}

// Where a control is: its rectangle in its parent's client pixels.
inline RECT placeOf(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// A rectangle's left, top, right and bottom, to compare and print as one value.
inline std::array<LONG, 4> edgesOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace zozi::test
