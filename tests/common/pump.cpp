#include "pump.h"

#include <commctrl.h>

#include "message_loop.h"
#include "wide_text.h"

namespace zozi::test {

namespace {

void dispatchOne(MSG& msg) {
  if (ui::preTranslateMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void setModifiers(bool control, bool shift) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = control ? 0x80 : 0;
  keys[VK_LCONTROL] = control ? 0x80 : 0;
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  keys[VK_LSHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
}

}  // namespace

bool openWindow(ui::MainWindow& main) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!main.create()) return false;
  main.show(SW_SHOW);
  SetForegroundWindow(main.hwnd());
  pumpPending();
  return true;
}

void pumpPending() {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    dispatchOne(msg);
  }
}

bool pumpUntil(const std::function<bool()>& condition, DWORD boundMs) {
  const ULONGLONG end = GetTickCount64() + boundMs;
  for (;;) {
    pumpPending();
    if (condition()) return true;
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

void pressKey(HWND target, UINT virtualKey, bool control, bool shift) {
  setModifiers(control, shift);
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  MSG down{target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)), 0, {}};
  dispatchOne(down);  // translation posts the character, if any
  pumpPending();
  MSG up{target, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)), 0, {}};
  dispatchOne(up);
  pumpPending();
  setModifiers(false, false);
}

void typeText(HWND target, const std::wstring& text) {
  for (wchar_t c : text) {
    MSG msg{target, WM_CHAR, static_cast<WPARAM>(c), 1, 0, {}};
    dispatchOne(msg);
    pumpPending();
  }
}

void command(HWND window, int id) {
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
  pumpPending();
}

void click(HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
  pumpPending();
}

std::wstring textOf(HWND hwnd) { return ui::windowText(hwnd); }

bool isChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace zozi::test
