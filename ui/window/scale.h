// The screen's scale and where the windows go on it: the scale a window is at, and a window's
// frame sized so that its client area is exact in twips at that scale, on the work area.
#pragma once

#include <windows.h>

#include "layout.h"
#include "placement.h"

namespace zozi::ui {

// The window's scale in dots per inch (96 where the system cannot tell per window).
UINT windowDpi(HWND hwnd);

// A system metric (a size in pixels, such as SM_CXSMICON) at a scale; at the screen's scale where
// the system cannot tell per scale.
int systemMetric(int index, UINT dpi);

// The screen's scale, for a window about to be made on the primary monitor (96 where the system
// cannot tell).
UINT systemDpi();

// The outer rectangle of a window of these styles whose client area is the given twips at the
// scale, centred on a monitor's work area: where to make it.
RECT centredFrame(const RECT& work, TwipSize clientTwips, UINT dpi, DWORD style, DWORD exStyle,
                  bool hasMenu);

// Whether the window's client area is the given twips at the scale.
bool hasClientSize(HWND hwnd, TwipSize clientTwips, UINT dpi);

// Sizes the window so that its client area is the given twips at its scale, centred on its
// monitor's work area.
void placeCentred(HWND hwnd, TwipSize clientTwips, UINT dpi, const RECT& work);

// centredOn (placement.h) on the window system's rectangles.
RECT centredOn(const RECT& work, int outerWidth, int outerHeight);

// After a change of scale: the window at the system's suggested rectangle, its client area made
// exact.
void placeAt(HWND hwnd, TwipSize clientTwips, UINT dpi, const RECT& suggested);

// Moves a window that reaches past the work area's top or left edge back, so that its caption
// stays within reach.
void keepCaptionOn(HWND hwnd, const RECT& work);

}  // namespace zozi::ui
