// Making the program's windows: their window class, menu bar, shortcut keys, icons, the fonts of
// their controls and the controls themselves, from a window's tables.
#pragma once

#include <windows.h>

#include <span>

#include "handles.h"
#include "layout.h"

namespace zozi::ui {

// Registers a window class of the program (once): arrow cursor, dialog-coloured background.
bool registerWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure);

// An icon resource at the size of a system metric (SM_CXICON, SM_CXSMICON) at a scale.
HICON loadIconAt(HINSTANCE instance, int resource, int sizeMetric, UINT dpi);

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
// the scale, with its font and, for an option that starts its group selected, its check: no
// second pass over them before the window is shown. made, if not empty, receives each control's
// handle at its row's position.
void createControls(HWND parent, HINSTANCE instance, std::span<const ControlSpec> table, UINT dpi,
                    const ControlFonts& fonts, std::span<HWND> made = {});

// The menu bar of a table (nullptr for an empty one), and the accelerator table of its keys.
HMENU createMenu(std::span<const MenuSpec> menu);
HACCEL createAccelerators(std::span<const ShortcutSpec> shortcuts);

// Puts an edit control's messages through procedure first, which hands on what it does not take
// with callEditProcedure.
void subclassEdit(HWND edit, WNDPROC procedure);
LRESULT callEditProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zozi::ui
