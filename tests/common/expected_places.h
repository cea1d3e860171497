// Lengths and font heights at a screen scale, worked out here from the twips and the point sizes,
// never by the program's own conversion, and where a control is. 1440 twips and 7200 hundredths
// of a point make an inch of `dpi` pixels; a result that falls on half a pixel is rounded up,
// never cut (at 144 dpi 6015 twips are 601.5 pixels: 602). The places the layout tests expect
// are pinned by hand in layout_test.cpp.
#pragma once

#include <windows.h>

#include <array>

namespace zozi::test {

inline int pixelsFor(int twips, UINT dpi) { return (twips * static_cast<int>(dpi) + 720) / 1440; }

// LOGFONT's height for a size: the character height, negative.
inline int fontHeightFor(int centipoints, UINT dpi) {
  return -((centipoints * static_cast<int>(dpi) + 3600) / 7200);
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
