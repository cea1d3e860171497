// Small helpers shared by the two windows.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "handles.h"
#include "layout.h"

namespace zozi::ui {

// The window's scale in dots per inch (96 where the system cannot tell per window).
UINT windowDpi(HWND hwnd);

// Registers a window class of the program (once): arrow cursor, dialog-coloured background.
bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// Calibri at a size in hundredths of a point, Central European character set.
HFONT createCalibri(int centipoints, int weight, UINT dpi);

// The fonts of a window's controls at one scale, one per role that its table uses.
class ControlFonts {
 public:
  ControlFonts() = default;
  ControlFonts(std::span<const ControlSpec> table, UINT dpi);
  HFONT forRole(FontRole role) const { return fonts_[static_cast<std::size_t>(role)].get(); }

 private:
  OwnedFont fonts_[4];
};

// Creates the table's controls as children of the window, in table order, each in its place at
// the scale and with its font: no second pass over them before the window is shown.
void createControls(HWND parent, HINSTANCE instance, std::span<const ControlSpec> table, UINT dpi,
                    const ControlFonts& fonts);

// Gives the table's controls their fonts (after a change of scale).
void applyFonts(HWND parent, std::span<const ControlSpec> table, const ControlFonts& fonts);

// Places the table's controls for a scale.
void layoutControls(HWND parent, std::span<const ControlSpec> table, UINT dpi);

// Sizes the window so that its client area is the given twips at its scale, centred on the
// work area of its monitor.
void placeCentred(HWND hwnd, SIZE clientTwips, UINT dpi);

std::wstring windowText(HWND hwnd);

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& text);

}  // namespace zozi::ui
