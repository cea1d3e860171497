#include "pump.h"

#include <commctrl.h>

#include "message_loop.h"
#include "wide_text.h"

namespace zozi::test {

namespace {

void dispatchOne(ui::MainWindow& main, MSG& msg) {
  if (ui::preTranslateMessage(main, msg)) return;
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

// Runs the pump until the condition holds or the bound passes, waking for each new message.
bool pumpWithUntil(const std::function<void()>& pump, const std::function<bool()>& condition,
                   DWORD boundMs) {
  const ULONGLONG end = GetTickCount64() + boundMs;
  for (;;) {
    pump();
    if (condition()) return true;
    if (GetTickCount64() > end) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
}

}  // namespace

bool openWindow(ui::MainWindow& main) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  if (!main.create()) return false;
  main.show(SW_SHOW);
  SetForegroundWindow(main.hwnd());
  pumpPending(main);
  return true;
}

void pumpPending(ui::MainWindow& main) {
  MSG msg{};
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    dispatchOne(main, msg);
  }
}

bool pumpUntil(ui::MainWindow& main, const std::function<bool()>& condition, DWORD boundMs) {
  return pumpWithUntil([&] { pumpPending(main); }, condition, boundMs);
}

bool pumpUntil(const std::function<bool()>& condition, DWORD boundMs) {
  return pumpWithUntil(
      [] {
        MSG msg{};
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
          if (msg.message == WM_QUIT) continue;
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
        }
      },
      condition, boundMs);
}

void pressKey(ui::MainWindow& main, HWND target, UINT virtualKey, bool control, bool shift) {
  setModifiers(control, shift);
  const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
  MSG down{target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)), 0, {}};
  dispatchOne(main, down);  // translation posts the character, if any
  pumpPending(main);
  MSG up{target, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)), 0, {}};
  dispatchOne(main, up);
  pumpPending(main);
  setModifiers(false, false);
}

void typeText(ui::MainWindow& main, HWND target, const std::wstring& text) {
  for (wchar_t c : text) {
    MSG msg{target, WM_CHAR, static_cast<WPARAM>(c), 1, 0, {}};
    dispatchOne(main, msg);
    pumpPending(main);
  }
}

void command(ui::MainWindow& main, int id) {
  SendMessageW(main.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
  pumpPending(main);
}

void click(ui::MainWindow& main, HWND button) {
  SendMessageW(button, BM_CLICK, 0, 0);
  pumpPending(main);
}

std::wstring textOf(HWND hwnd) { return ui::windowText(hwnd); }

bool isChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace zozi::test
