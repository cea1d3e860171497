// Small helpers shared by the two windows.
#pragma once

#include <windows.h>

#include <span>
#include <string>

#include "layout.h"

namespace zozi::ui {

// The window's scale in dots per inch (96 where the system cannot tell per window).
UINT windowDpi(HWND hwnd);

// Calibri at a size in hundredths of a point, Central European character set.
HFONT createCalibri(int centipoints, int weight, UINT dpi);

// Creates the table's controls as children of the window, in table order. With a scale, each is
// made in its place for it (otherwise layoutControls places them), and with fontFor, with the
// font it returns for the row (nullptr: the system's).
void createControls(HWND parent, HINSTANCE instance, std::span<const ControlSpec> table,
                    UINT dpi = 0, HFONT (*fontFor)(const ControlSpec& row, void* context) = nullptr,
                    void* context = nullptr);

// Places the table's controls for a scale.
void layoutControls(HWND parent, std::span<const ControlSpec> table, UINT dpi);

// Sizes the window so that its client area is the given twips at its scale, centred on the
// work area of its monitor.
void placeCentred(HWND hwnd, SIZE clientTwips, UINT dpi);

std::wstring windowText(HWND hwnd);

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& text);

}  // namespace zozi::ui
