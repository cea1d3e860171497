// Waits until a visible top-level window with the given caption exists and has processed its
// pending messages; prints its screen rectangle as WIDTHxHEIGHT+LEFT+TOP and exits 0 then, or
// exits 1 after about 30 seconds without one.
#include <windows.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  for (int i = 0; i < 600; ++i) {
    HWND window = FindWindowW(nullptr, argv[1]);
    DWORD_PTR result = 0;
    if (window && IsWindowVisible(window) &&
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result)) {
      RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
      RECT r{};
      GetWindowRect(window, &r);
      std::printf("%ldx%ld+%ld+%ld\n", r.right - r.left, r.bottom - r.top, r.left, r.top);
      return 0;
    }
    Sleep(50);
  }
  return 1;
}
