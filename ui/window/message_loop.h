// The program's one event loop, and the keyboard handling every message passes first.
#pragma once

#include <windows.h>

namespace zozi::ui {

// What the table window a message is for does with it first: its tooltips learn where the mouse
// is, its shortcut keys run (only while it is shown and enabled), then Tab, arrows and the like
// move in it as in a dialog. True when the message was consumed.
bool preTranslateMessage(MSG& msg);

// Runs until the program's window is unloaded (WM_QUIT); returns the program's exit code.
int runMessageLoop();

}  // namespace zozi::ui
