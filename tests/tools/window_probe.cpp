// Waits until a visible top-level window with the given caption exists and has processed its
// pending messages, then prints its screen rectangle as WIDTHxHEIGHT+LEFT+TOP and exits 0; exits
// 1 after about 30 seconds without one. With a command id and a second caption, it first sends
// that menu command to the window and then waits for the second window instead.
//   window_probe CAPTION [COMMAND-ID CAPTION2]
#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

HWND waitForWindow(const wchar_t* caption) {
  for (int i = 0; i < 600; ++i) {
    HWND window = FindWindowW(nullptr, caption);
    DWORD_PTR result = 0;
    if (window && IsWindowVisible(window) &&
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
      RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
      return window;
    }
    Sleep(50);
  }
  return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  HWND window = waitForWindow(argv[1]);
  if (!window) return 1;
  if (argc >= 4) {
    PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(std::wcstol(argv[2], nullptr, 10)), 0);
    window = waitForWindow(argv[3]);
    if (!window) return 1;
  }
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
  return 0;
}
