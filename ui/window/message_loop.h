// The program's one event loop, and the keyboard handling every message passes first.
#pragma once

#include <windows.h>

namespace zozi::ui {

class WindowCore;

// The main window's shortcut keys (only while it is shown and enabled), then Tab, arrows and
// the like for the window it lends its input to and for the main window. True when the message
// was consumed.
bool preTranslateMessage(WindowCore& main, MSG& msg);

// Runs until the main window is unloaded; returns the program's exit code.
int runMessageLoop(WindowCore& main);

}  // namespace zozi::ui
