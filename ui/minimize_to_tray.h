// The tray icon's record: the first, single-byte version of the shell's notification record.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace zozi::ui {

inline constexpr UINT kTrayIconId = 1;
inline constexpr char kTrayTip[] = "Restore Corvel Editor Zozi";
inline constexpr int kTrayTipField = 64;  // the first version's fixed tip field

// The record that minimize_to_tray adds: window, identifier 1, message + icon + tip, the
// callback WM_MOUSEMOVE, the window's icon and the tip padded with spaces to 64 characters.
NOTIFYICONDATAA makeTrayIconData(HWND window, HICON icon);

}  // namespace zozi::ui
