// The windows' text in UTF-16, as the system keeps it, and its conversion to and from the UTF-8
// of the core's records.
#pragma once

#include <windows.h>

#include <string>

namespace zozi::ui {

// The whole text of a window or control.
std::wstring windowText(HWND hwnd);

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& text);

}  // namespace zozi::ui
