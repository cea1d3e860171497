#include "message_loop.h"

#include <commctrl.h>

#include "table_window.h"

namespace zozi::ui {

bool preTranslateMessage(MSG& msg) {
  WindowCore* window = WindowCore::owning(msg.hwnd);
  if (!window) return false;
  const HWND hwnd = window->hwnd();
  // The tooltip learns where the mouse is from the loop: it subclasses no control.
  if (window->tooltip() && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    SendMessageW(window->tooltip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }
  // A disabled window (another open in its stead) or a hidden one takes no shortcut.
  if (window->accelerators() && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd) &&
      TranslateAcceleratorW(hwnd, window->accelerators(), &msg)) {
    return true;
  }
  return IsDialogMessageW(hwnd, &msg) != FALSE;
}

int runMessageLoop() {
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return 1;
    if (preTranslateMessage(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace zozi::ui
