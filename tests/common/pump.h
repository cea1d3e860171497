// Drives real windows from a test: pumps the thread's messages through the program's own
// keyboard handling until a condition holds, with a bound instead of a sleep.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "clipboard.h"
#include "main_window.h"

namespace zozi::test {

// Creates the window as the program does, shows it in front and runs what that queued.
bool openWindow(ui::MainWindow& main);

// Every message passes the program's own keyboard handling (ui::preTranslateMessage) first, as in
// its message loop, whichever of its windows it is for.

// Runs pending messages; with a condition, keeps pumping until it holds or the bound passes.
// Returns whether the condition held.
bool pumpUntil(const std::function<bool()>& condition, DWORD boundMs = 10000);
void pumpPending();

// Posts a key press and release (with the character it types) to a control, as the keyboard
// would deliver it to the focused window; modifiers are set in the thread's key state.
void pressKey(HWND target, UINT virtualKey, bool control = false, bool shift = false);

// Types text into a control character by character, as WM_CHAR messages through the loop.
void typeText(HWND target, const std::wstring& text);

// A menu item or shortcut's command, as the menu bar delivers it.
void command(HWND window, int id);

// A button click as the user makes it (the control's own click handling, notification
// included).
void click(HWND button);

// The same, for the tests that drive the main window.
inline bool pumpUntil(ui::MainWindow&, const std::function<bool()>& condition,
                      DWORD boundMs = 10000) {
  return pumpUntil(condition, boundMs);
}
inline void pumpPending(ui::MainWindow&) { pumpPending(); }
inline void pressKey(ui::MainWindow&, HWND target, UINT virtualKey, bool control = false,
                     bool shift = false) {
  pressKey(target, virtualKey, control, shift);
}
inline void typeText(ui::MainWindow&, HWND target, const std::wstring& text) {
  typeText(target, text);
}
inline void command(ui::MainWindow& main, int id) { command(main.hwnd(), id); }
inline void click(ui::MainWindow&, HWND button) { click(button); }

std::wstring textOf(HWND hwnd);
bool isChecked(HWND button);

}  // namespace zozi::test
