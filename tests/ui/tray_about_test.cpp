// The tray icon and the About window, driven for real.
#include <windows.h>

#include <gtest/gtest.h>
