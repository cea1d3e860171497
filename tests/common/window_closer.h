// Runs a call that may open a window nobody will answer: a modal box of the system's own waits
// for a click that never comes in a test, and would hold the test until its time-out.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zozi::test {

struct ClosedWindow {
  std::wstring className;
  std::wstring title;
};

// Runs the call on this thread while a second thread closes every visible top-level window of
// this process that was not open before the call: a dialog box (a message box) by its first
// button, any other window with WM_CLOSE. Returns the windows it closed, in the order they came.
// A call still running after the bound ends the process with a message on the error output, so
// that a hang fails at once and says where.
std::vector<ClosedWindow> runClosingNewWindows(const std::function<void()>& call,
                                               DWORD boundMs = 60000);

}  // namespace zozi::test
