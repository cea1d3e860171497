// The controls of the tables as the window system makes them: class and styles, and places in
// pixels at a scale.
#pragma once

#include <windows.h>

#include <span>

#include "layout_table.h"

namespace zozi::ui {

// The window class and styles a control of the table is made with.
struct ControlClass {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};
ControlClass controlClass(const ControlSpec& row);

// Twips to pixels at a scale: 15 twips a pixel at 96 dpi.
inline int twipsToPixels(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// A control's rectangle in client pixels at a scale (frame offsets applied).
RECT controlRect(std::span<const ControlSpec> table, const ControlSpec& row, UINT dpi);

// Font height in pixels for a size in hundredths of a point.
inline int fontHeight(int centipoints, UINT dpi) {
  return -MulDiv(centipoints, static_cast<int>(dpi), 7200);
}

}  // namespace zozi::ui
