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

// Runs pending messages; with a condition, keeps pumping until it holds or the bound passes.
// Returns whether the condition held.
bool pumpUntil(ui::MainWindow& main, const std::function<bool()>& condition, DWORD boundMs = 10000);
void pumpPending(ui::MainWindow& main);

// The same where no main window runs, as for the help system's windows: this thread's messages,
// dispatched as they come.
bool pumpUntil(const std::function<bool()>& condition, DWORD boundMs = 10000);

// Posts a key press and release (with the character it types) to a control, as the keyboard
// would deliver it to the focused window; modifiers are set in the thread's key state.
void pressKey(ui::MainWindow& main, HWND target, UINT virtualKey, bool control = false,
              bool shift = false);

// Types text into a control character by character, as WM_CHAR messages through the loop.
void typeText(ui::MainWindow& main, HWND target, const std::wstring& text);

// A menu item or shortcut's command, as the menu bar delivers it.
void command(ui::MainWindow& main, int id);

// A button click as the user makes it (the control's own click handling, notification
// included).
void click(ui::MainWindow& main, HWND button);

std::wstring textOf(HWND hwnd);
bool isChecked(HWND button);

}  // namespace zozi::test
