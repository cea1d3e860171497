// The program's one event loop, and the keyboard handling every message passes first.
#pragma once

#include <windows.h>

namespace zozi::ui {

class MainWindow;

// The main window's shortcut keys (only while it is shown and enabled), then Tab, arrows and
// the like for the About window and the main window. True when the message was consumed.
bool preTranslateMessage(MainWindow& main, MSG& msg);

// Runs until the main window is unloaded; returns the program's exit code.
int runMessageLoop(MainWindow& main);

}  // namespace zozi::ui
