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
// the scale, with its font and its starting check: no second pass over them before the window is
// shown. made, if not empty, receives each control's handle at its row's position.
void createControls(HWND parent, HINSTANCE instance, std::span<const ControlSpec> table, UINT dpi,
                    const ControlFonts& fonts, std::span<HWND> made = {});

// The screen's scale, for a window about to be made on the primary monitor (96 where the system
// cannot tell).
UINT systemDpi();

// The outer rectangle of a window of these styles whose client area is the given twips at the
// scale, centred on the work area of the primary monitor: where to make it.
RECT centredFrame(TwipSize clientTwips, UINT dpi, DWORD style, DWORD exStyle, bool hasMenu);

// Whether the window's client area is the given twips at the scale.
bool hasClientSize(HWND hwnd, TwipSize clientTwips, UINT dpi);

// Sizes the window so that its client area is the given twips at its scale, centred on the
// work area of its monitor.
void placeCentred(HWND hwnd, TwipSize clientTwips, UINT dpi);

// Where a window of the given outer size goes on a work area: centred, except that one larger
// than the work area keeps its top (or left) edge on the work area's, so its caption stays in
// reach.
RECT centredOn(const RECT& work, int outerWidth, int outerHeight);

// After a change of scale: the window at the system's suggested rectangle, its client area made
// exact, its caption kept on the work area.
void placeAt(HWND hwnd, TwipSize clientTwips, UINT dpi, const RECT& suggested);

std::wstring windowText(HWND hwnd);

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& text);

}  // namespace zozi::ui
