#include "message_loop.h"

#include <commctrl.h>

#include "table_window.h"

namespace zozi::ui {

bool preTranslateMessage(WindowCore& main, MSG& msg) {
  const HWND hwnd = main.hwnd();
  if (!hwnd) return false;
  // A disabled main window (another open in its stead) or a hidden one takes no shortcut.
  const bool forMain = msg.hwnd == hwnd || IsChild(hwnd, msg.hwnd);
  // The tooltip learns where the mouse is from the loop: it subclasses no control.
  if (forMain && main.tooltip() && msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) {
    SendMessageW(main.tooltip(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
  }
  if (forMain && IsWindowEnabled(hwnd) && IsWindowVisible(hwnd) && main.accelerators() &&
      TranslateAcceleratorW(hwnd, main.accelerators(), &msg)) {
    return true;
  }
  if (const HWND lent = main.lentTo(); lent && IsDialogMessageW(lent, &msg)) return true;
  return IsDialogMessageW(hwnd, &msg) != FALSE;
}

int runMessageLoop(WindowCore& main) {
  MSG msg{};
  for (;;) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(msg.wParam);
    if (got == -1) return 1;
    if (preTranslateMessage(main, msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace zozi::ui
