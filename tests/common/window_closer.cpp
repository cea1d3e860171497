#include "window_closer.h"

#include <algorithm>
#include <cstdio>
#include <thread>

#include "handles.h"

namespace zozi::test {

namespace {

struct EventTraits {
  static void close(HANDLE h) { CloseHandle(h); }
};
using OwnedEvent = ui::Owned<HANDLE, EventTraits>;

BOOL CALLBACK addIfOurs(HWND hwnd, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process == GetCurrentProcessId() && IsWindowVisible(hwnd)) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(hwnd);
  }
  return TRUE;
}

std::vector<HWND> visibleWindowsOfThisProcess() {
  std::vector<HWND> found;
  EnumWindows(addIfOurs, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring classOf(HWND hwnd) {
  wchar_t name[256]{};
  GetClassNameW(hwnd, name, 256);
  return name;
}

std::wstring titleOf(HWND hwnd) {
  wchar_t text[512]{};
  GetWindowTextW(hwnd, text, 512);
  return text;
}

HWND firstButton(HWND dialog) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (classOf(child) == L"Button" && IsWindowVisible(child) && IsWindowEnabled(child)) {
      return child;
    }
  }
  return nullptr;
}

// Posted, never sent: the window's thread is the caller's, busy in the call's modal loop.
void askToClose(HWND hwnd) {
  const HWND button = classOf(hwnd) == L"#32770" ? firstButton(hwnd) : nullptr;
  if (button) {
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  } else {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
  }
}

}  // namespace

std::vector<ClosedWindow> runClosingNewWindows(const std::function<void()>& call, DWORD boundMs) {
  const std::vector<HWND> before = visibleWindowsOfThisProcess();
  const OwnedEvent done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  std::vector<ClosedWindow> closed;
  std::thread watcher([&] {
    const ULONGLONG end = GetTickCount64() + boundMs;
    std::vector<HWND> asked;
    while (WaitForSingleObject(done.get(), 20) == WAIT_TIMEOUT) {
      for (HWND hwnd : visibleWindowsOfThisProcess()) {
        if (std::find(before.begin(), before.end(), hwnd) != before.end()) continue;
        if (std::find(asked.begin(), asked.end(), hwnd) == asked.end()) {
          asked.push_back(hwnd);
          closed.push_back({classOf(hwnd), titleOf(hwnd)});
        }
        askToClose(hwnd);  // again each round, until it is gone
      }
      if (GetTickCount64() > end) {
        std::fprintf(
            stderr,
            "the call did not return within %lu ms, though its new windows were asked to close\n",
            static_cast<unsigned long>(boundMs));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
      }
    }
  });
  // Stops the watcher however the call ends.
  struct Stop {
    HANDLE event;
    std::thread& thread;
    ~Stop() {
      SetEvent(event);
      thread.join();
    }
  };
  {
    const Stop stop{done.get(), watcher};
    call();
  }
  return closed;
}

}  // namespace zozi::test
